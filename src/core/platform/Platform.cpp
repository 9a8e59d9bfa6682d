#include "platform/Platform.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace velmora {

bool FileSystem::copyFile(const std::string& from, const std::string& to, std::string* error) {
    auto bytes = readFile(from, error);
    if (!bytes) return false;
    return writeFileAtomic(to, *bytes, error);
}

bool LocalFileSystem::exists(const std::string& path) const {
    std::error_code ec;
    return fs::is_regular_file(fs::path(path), ec);
}

std::optional<std::string> LocalFileSystem::readFile(const std::string& path, std::string* error) const {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) *error = std::string("the file cannot be opened for reading");
        return std::nullopt;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        if (error) *error = std::string("a read error occurred");
        return std::nullopt;
    }
    return buffer.str();
}

bool LocalFileSystem::writeFileAtomic(const std::string& path, const std::string& bytes, std::string* error) {
    fs::path target(path);
    static std::mt19937_64 rng{std::random_device{}()};
    fs::path temp = target;
    temp += ".tmp" + std::to_string(rng() % 1000000);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            if (error) *error = "cannot create a temporary file beside " + target.filename().string();
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temp, ec);
            if (error) *error = "writing " + target.filename().string() + " failed (is the disk full?)";
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        if (error) *error = "cannot replace " + target.filename().string() + ": " + ec.message();
        return false;
    }
    return true;
}

bool LocalFileSystem::createDirectories(const std::string& path) {
    std::error_code ec;
    fs::create_directories(fs::path(path), ec);
    return !ec && fs::is_directory(fs::path(path), ec);
}

DateTime SystemClock::now() const {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

} // namespace velmora
