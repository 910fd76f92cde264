// vellum.exe itself, started the way a web server starts a CGI program: the request in the
// environment, the body on standard input, the response read from standard output.
#include "vellum_home.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Output {
    int exitCode = -1;
    std::string text;
};

Output runProgram(const std::string& program, const std::vector<std::string>& environment,
                  const std::string& body) {
    int in[2], out[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, in[1]);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> env = environment;
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    Output result;
    if (spawned != 0) {
        ::close(in[1]);
        ::close(out[0]);
        return result;
    }
    // The processor reads only CONTENT_LENGTH bytes; the body is small enough for the pipe.
    (void)!::write(in[1], body.data(), body.size());
    ::close(in[1]);
    char buffer[4096];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        result.text.append(buffer, static_cast<std::size_t>(n));
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

void addCommaScript(VellumHome& home) {
    home.write("F.csv", "\"Name\"\r\n");
    home.write("F.html", "<FORM></FORM>\r\n");
    vmcntrl::ScriptRecord r;
    r.OutputStyle = "Comma";
    r.Archive = home.file("F.csv");
    r.Form = home.file("F.html");
    r.Confirm = "no";
    r.SendURL = "http://example.com/thanks.html";
    home.addScript("F", r);
}

} // namespace

TEST(CgiProgram, AnswersAPostFromItsEnvironmentAndStandardInput) {
    VellumHome home;
    addCommaScript(home);
    const std::string body = "00Name=Ann";
    const Output out =
        runProgram(VELLUM_PROGRAM,
                   {"VELLUM_HOME=" + home.path(), "REQUEST_METHOD=POST", "PATH_INFO=/F",
                    "CONTENT_TYPE=application/x-www-form-urlencoded",
                    "CONTENT_LENGTH=" + std::to_string(body.size()), "REMOTE_ADDR=127.0.0.1"},
                   body);
    EXPECT_EQ(out.exitCode, 0);
    EXPECT_EQ(
        out.text.substr(0, out.text.find("\r\n\r\n")),
        "Status: 302 Found\r\nContent-Type: text/html\r\nLocation: http://example.com/thanks.html");
    EXPECT_EQ(home.read("F.csv"), "\"Name\"\r\n\"Ann\"\r\n");
}

TEST(CgiProgram, WithoutVellumHomeItUsesItsOwnDirectory) {
    VellumHome home;
    addCommaScript(home);
    const std::string copy = home.file("vellum.exe");
    std::filesystem::copy_file(VELLUM_PROGRAM, copy);
    const Output out = runProgram(copy, {"REQUEST_METHOD=GET", "PATH_INFO=/f"}, "");
    EXPECT_EQ(out.text, "Status: 200 OK\r\nContent-Type: text/html\r\n\r\n<FORM></FORM>\r\n");
    const Output missing = runProgram(copy, {"REQUEST_METHOD=GET", "PATH_INFO=/Other"}, "");
    EXPECT_EQ(missing.text.substr(0, 22), "Status: 404 Not Found\r");
    EXPECT_NE(home.errorLog().find("\tOther\t\tNo such script\r\n"), std::string::npos);
}
