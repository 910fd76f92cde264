// vellum.exe: the form processor, run by the web server as a CGI program.
#include "vellum/cgi_response.h"
#include "vellum/processor.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>

int main() {
    std::ios::sync_with_stdio(false);
    vellum::SmtpTransport mail;
    vellum::ProcessorContext context;
    context.home = vellum::processorHome(std::getenv("VELLUM_HOME"));
    context.request = vellum::requestFromEnvironment([](const char* name) { return std::getenv(name); });
    context.body = &std::cin;
    context.now = std::chrono::system_clock::now();
    context.mail = &mail;
    const std::string out = vellum::cgiOutput(vellum::processRequest(context));
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}
