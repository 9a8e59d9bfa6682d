// The settings file layer: reading files written by the Windows versions, rewriting
// without losing anything, and reporting failed writes.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "core_fakes.h"
#include "settings/IniFile.h"

using namespace velmora;

namespace {

using velmora::testing::MemoryFileSystem;

const std::string kPath = "/prog/Velmora.INI";

// A file as an earlier Windows version left it, with a user's own additions.
const std::string kWindowsFile =
    "[HEADER]\r\n"
    "Last Access=25/03/2018 14:02:11\r\n"
    "Last Launch=25/03/2018 14:02:12\r\n"
    "\r\n"
    "; kept by hand\r\n"
    "[OPTIONS]\r\n"
    "Options=1111111111111111011111111111111111111\r\n"
    "Allow Hyperlink = 0\r\n"
    "\r\n"
    "[Print]\r\n"
    "lines=10\r\n"
    "[MyOwn]\r\n"
    "Anything=else\r\n"
    "[SEARCH]\r\n"
    "Driver=12\r\n"
    "Driver=99\r\n"
    "Quoted=\"  padded  \"\r\n"
    "[search]\r\n"
    "Team=5\r\n";

std::string withLf(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

} // namespace

TEST(IniFile, ReadsWindowsFilesWhateverTheLineEndsAndMark) {
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"CR LF", kWindowsFile},
        {"LF only", withLf(kWindowsFile)},
        {"UTF-8 mark", "\xEF\xBB\xBF" + kWindowsFile},
        {"no final line end", kWindowsFile.substr(0, kWindowsFile.size() - 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryFileSystem files;
        files.files[kPath] = c.bytes;
        IniFileStore ini(files);
        ASSERT_TRUE(ini.open(kPath));
        EXPECT_EQ(ini.readString("header", "LAST ACCESS", ""), "25/03/2018 14:02:11");
        EXPECT_EQ(ini.readString("OPTIONS", "Options", ""), "1111111111111111011111111111111111111");
        EXPECT_FALSE(ini.readBool("OPTIONS", "Allow Hyperlink", true));
        EXPECT_EQ(ini.readInteger("PRINT", "Lines", 200), 10);
        EXPECT_EQ(ini.readInteger("SEARCH", "Driver", 0), 12);  // the first of two keys
        EXPECT_EQ(ini.readInteger("SEARCH", "Team", 0), 0);     // only in a later duplicate section
        EXPECT_EQ(ini.readString("SEARCH", "Quoted", ""), "  padded  ");
        EXPECT_EQ(ini.readInteger("SEARCH", "Engine", -7), -7); // missing key
        EXPECT_EQ(ini.readString("COLOURS", "Results", "def"), "def"); // missing section
        EXPECT_TRUE(ini.close());
        EXPECT_TRUE(files.writes.empty()); // a group of reads writes nothing
    }
}

TEST(IniFile, RewriteKeepsEverythingElseAndTheFileSpelling) {
    MemoryFileSystem files;
    files.files[kPath] = kWindowsFile;
    IniFileStore ini(files);
    ASSERT_TRUE(ini.open(kPath));
    ini.writeInteger("print", "Lines", 10);             // existing key: file spelling kept
    ini.writeBool("Options", "allow hyperlink", false); // existing key with blanks around '='
    ini.writeString("OPTIONS", "Last Thing", "x y");    // new key in a section followed by a blank line
    ini.writeInteger("COLOURS", "Results", 13631487);   // new section
    ASSERT_TRUE(ini.close());

    EXPECT_EQ(files.files[kPath],
              "[HEADER]\r\n"
              "Last Access=25/03/2018 14:02:11\r\n"
              "Last Launch=25/03/2018 14:02:12\r\n"
              "\r\n"
              "; kept by hand\r\n"
              "[OPTIONS]\r\n"
              "Options=1111111111111111011111111111111111111\r\n"
              "Allow Hyperlink=0\r\n"
              "Last Thing=x y\r\n"
              "\r\n"
              "[Print]\r\n"
              "lines=10\r\n"
              "[MyOwn]\r\n"
              "Anything=else\r\n"
              "[SEARCH]\r\n"
              "Driver=12\r\n"
              "Driver=99\r\n"
              "Quoted=\"  padded  \"\r\n"
              "[search]\r\n"
              "Team=5\r\n"
              "\r\n"
              "[COLOURS]\r\n"
              "Results=13631487\r\n");
}

TEST(IniFile, LineEndsAndMarkOfAnOldFileAreNormalisedOrKept) {
    MemoryFileSystem files;
    files.files[kPath] = "\xEF\xBB\xBF[HEADER]\nLast Access=x\n";
    IniFileStore ini(files);
    ASSERT_TRUE(ini.open(kPath));
    ini.writeString("HEADER", "Last Launch", "y");
    ASSERT_TRUE(ini.close());
    EXPECT_EQ(files.files[kPath], "\xEF\xBB\xBF[HEADER]\r\nLast Access=x\r\nLast Launch=y\r\n");
}

TEST(IniFile, MissingFileReadsEmptyAndTheFirstWriteCreatesIt) {
    MemoryFileSystem files;
    IniFileStore ini(files);
    ASSERT_TRUE(ini.open(kPath));
    EXPECT_EQ(ini.readString("HEADER", "Last Access", "none"), "none");
    EXPECT_TRUE(ini.close());
    EXPECT_FALSE(files.exists(kPath));

    ASSERT_TRUE(ini.open(kPath));
    ini.writeString("HEADER", "Last Access", "01/02/2024 03:04:05");
    ini.writeString("HEADER", "Note", "two\r\nlines"); // a line break cannot split the entry
    ASSERT_TRUE(ini.close());
    EXPECT_EQ(files.files[kPath], "[HEADER]\r\nLast Access=01/02/2024 03:04:05\r\nNote=two  lines\r\n");
}

TEST(IniFile, IntegerAndBooleanValues) {
    struct Case {
        const char* stored;
        int integer; // read with default -5
        int boolean; // read with default true: 1 or 0
    } cases[] = {
        {"12", 12, 1},      {"-1", -1, 1},        {"+7", 7, 1},          {"0", 0, 0},
        {"2", 2, 1},        {"$FF", 255, 1},      {"0x10", 16, 1},       {"", -5, 1},
        {"abc", -5, 1},     {"12abc", -5, 1},     {"1.5", -5, 1},        {"true", -5, 1},
        {"- 1", -5, 1},     {"99999999999", -5, 1}, {"2147483647", 2147483647, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        MemoryFileSystem files;
        files.files[kPath] = std::string("[S]\r\nK=") + c.stored + "\r\n[T]\r\nK=" + c.stored + "\r\n";
        IniFileStore ini(files);
        ASSERT_TRUE(ini.open(kPath));
        EXPECT_EQ(ini.readInteger("S", "K", -5), c.integer);
        EXPECT_EQ(ini.readBool("T", "K", true), c.boolean != 0);
        EXPECT_EQ(ini.readString("S", "K", "d"), c.stored); // a present empty string stays empty
        ini.close();
    }
}

TEST(IniFile, FailedWriteIsReportedAndLeavesTheOldFile) {
    MemoryFileSystem files;
    files.files[kPath] = kWindowsFile;
    IniFileStore ini(files);
    files.failWrites = true;
    files.writeError = "read-only directory";
    ASSERT_TRUE(ini.open(kPath));
    ini.writeString("HEADER", "Last Access", "now");
    std::string error;
    EXPECT_FALSE(ini.close(&error));
    EXPECT_NE(error.find("read-only directory"), std::string::npos) << error;
    EXPECT_EQ(files.files[kPath], kWindowsFile);
}

TEST(IniFile, UnreadableFileIsNeverReplaced) {
    MemoryFileSystem files;
    files.files[kPath] = kWindowsFile;
    files.unreadable.insert(kPath);
    IniFileStore ini(files);
    std::string error;
    EXPECT_FALSE(ini.open(kPath, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ini.readInteger("PRINT", "Lines", 200), 200);
    ini.writeString("HEADER", "Last Access", "now");
    EXPECT_FALSE(ini.close(&error));
    EXPECT_TRUE(files.writes.empty());
    EXPECT_EQ(files.files[kPath], kWindowsFile);
}

TEST(IniFile, RoundTripOnTheRealFileSystem) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("velmora-ini-test-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "Velmora.INI").string();
    LocalFileSystem files;
    IniFileStore ini(files);
    ASSERT_TRUE(ini.open(path));
    ini.writeString("HEADER", "Last Access", "01/01/2024 00:00:00");
    ini.writeInteger("PRINT", "Lines", 42);
    ASSERT_TRUE(ini.close());
    ASSERT_TRUE(ini.open(path));
    EXPECT_EQ(ini.readInteger("print", "lines", 0), 42);
    EXPECT_TRUE(ini.close());
    EXPECT_EQ(*files.readFile(path), "[HEADER]\r\nLast Access=01/01/2024 00:00:00\r\n\r\n[PRINT]\r\nLines=42\r\n");
    std::error_code ec;
    fs::remove_all(dir, ec);
}
