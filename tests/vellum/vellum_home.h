#pragma once

#include "support/temp_dir.h"

#include "vellum/mail_transport.h"
#include "vmcntrl/config/vellum_ini.h"

#include <string>
#include <vector>

// A program directory for the processor: vellum.ini with the scripts a test writes, the
// logs, and files the scripts name.
class VellumHome {
public:
    VellumHome() : ini_(vmcntrl::vellumIniPath(dir_.path())) {}

    const std::string& path() const { return dir_.path(); }
    std::string file(const std::string& name) const { return dir_.file(name); }
    vmcntrl::VellumIni& ini() { return ini_; }

    void addScript(const std::string& name, const vmcntrl::ScriptRecord& record) {
        ini_.writeScript(name, record);
    }
    void setConfig(const std::string& key, const std::string& value) {
        ini_.writeConfig(key, value);
    }
    std::string config(const std::string& key) { return ini_.read(vmcntrl::kConfigSection, key); }

    void write(const std::string& name, const std::string& bytes) const {
        TempDir::write(file(name), bytes);
    }
    std::string read(const std::string& name) const { return TempDir::read(file(name)); }
    std::string errorLog() const { return read("error.log"); }
    std::string mailLog() const { return read("vellsmtp.log"); }

private:
    TempDir dir_;
    vmcntrl::VellumIni ini_;
};

// Records every message instead of sending it; fails them all when told to.
class RecordingTransport : public vellum::MailTransport {
public:
    vellum::SendResult send(const vellum::OutgoingMail& mail) override {
        sent.push_back(mail);
        vellum::SendResult result;
        result.ok = failWith.empty();
        result.error = failWith;
        return result;
    }
    std::vector<vellum::OutgoingMail> sent;
    std::string failWith;
};

inline std::size_t countOf(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++n;
    return n;
}
