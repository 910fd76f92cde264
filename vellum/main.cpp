// vellum.exe: the form processor, run by the web server as a CGI program.
#include "vellum/cgi_response.h"
#include "vellum/processor.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>

int main() {
    std::string out;
    try {
        vellum::SmtpTransport mail;
        vellum::ProcessorContext context;
        context.home = vellum::processorHome(std::getenv("VELLUM_HOME"));
        context.request =
            vellum::requestFromEnvironment([](const char* name) { return std::getenv(name); });
        context.body = &std::cin;
        context.now = std::chrono::system_clock::now();
        context.mail = &mail;
        out = vellum::cgiOutput(vellum::processRequest(context));
    } catch (...) {
        // processRequest logs its own failures; this is what is left when even that failed
        // (no memory for the answer, say): the visitor still gets a well-formed response.
        out = "Status: 500 Internal Server Error\r\nContent-Type: text/plain\r\n\r\n"
              "The form could not be processed.\r\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}
