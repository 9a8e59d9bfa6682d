// velmora-cli: prints the program's pages as plain text.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "data/Startup.h"
#include "settings/IniFile.h"

namespace {

class ConsoleMessages : public velmora::MessageBoxes {
public:
    velmora::Button show(velmora::MessageKind, const std::string& text, velmora::Buttons) override {
        std::cerr << text << "\n";
        return velmora::Button::Ok;
    }
};

} // namespace

int main(int argc, char** argv) {
    std::string dir = std::filesystem::current_path().string();
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--dir" && i + 1 < argc) dir = argv[++i];
        else args.push_back(a);
    }
    velmora::LocalFileSystem files;
    velmora::IniFileStore ini(files);
    velmora::SystemClock clock;
    ConsoleMessages messages;
    velmora::StartupEnvironment env;
    env.currentDir = dir;
    env.files = &files;
    env.ini = &ini;
    env.messages = &messages;
    env.clock = &clock;
    auto result = velmora::runStartup(env);
    if (!result.ok) return 2;
    if (args.empty() || args[0] == "opening") {
        for (const auto& line : result.db->openingText) std::cout << line << "\n";
        return 0;
    }
    std::cerr << "velmora-cli: unknown page \"" << args[0] << "\"\n";
    return 1;
}
