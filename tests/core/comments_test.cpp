// The race comment files written by tools/comments/generate_comments.py: the embedded
// comment table and the example update file for 2018 to 2025.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string kSourceDir = VELMORA_SOURCE_DIR;

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot open " << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Splits a file of CRLF lines; every line, the last one included, must end in CRLF and
// no line may hold a lone CR or LF.
std::vector<std::string> crlfLines(const std::string& path) {
    const std::string data = readBytes(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < data.size()) {
        const std::size_t end = data.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << path << ": text after the last CRLF";
            break;
        }
        lines.push_back(data.substr(start, end - start));
        start = end + 2;
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << path << ": line " << i + 1;
    return lines;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == '|')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// A comment as the lists can hold it: no separator, printable ASCII only, at most 889 characters.
void expectValidComment(const std::string& text, const std::string& where) {
    EXPECT_EQ(text.find('|'), std::string::npos) << where;
    EXPECT_LE(text.size(), 889u) << where;
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7e; }))
        << where << ": " << text;
}

} // namespace

TEST(RaceComments, EmbeddedTableHasOneValidCommentPerRace) {
    const std::vector<std::string> comments =
        crlfLines(kSourceDir + "/src/core/data/embedded/comments-1950-2017.txt");
    ASSERT_EQ(comments.size(), 976u);
    int withText = 0;
    for (std::size_t i = 0; i < comments.size(); ++i) {
        expectValidComment(comments[i], "race " + std::to_string(i + 1));
        if (!comments[i].empty()) ++withText;
    }
    EXPECT_EQ(withText, 494);
    EXPECT_FALSE(comments.front().empty()); // the first championship race
}

TEST(RaceComments, ExampleUpdateFileOnlyFillsTheCommentField) {
    const std::vector<std::string> lines = crlfLines(kSourceDir + "/examples/update-2018-2025.txt");
    const std::vector<std::string> plain =
        crlfLines(kSourceDir + "/tools/comments/update-2018-2025-nocomments.txt");
    const std::size_t races = 173, drivers = 8, teams = 8;
    ASSERT_EQ(lines.size(), races + 1 + drivers + 1 + teams);
    ASSERT_EQ(plain.size(), lines.size());

    int withText = 0;
    for (std::size_t i = 0; i < races; ++i) {
        const std::vector<std::string> f = fields(lines[i]);
        ASSERT_EQ(f.size(), 21u) << "race line " << i + 1;
        // Fields 1 to 20 and their separators are those of the file without comments.
        EXPECT_EQ(lines[i].substr(0, plain[i].size()), plain[i]) << "race line " << i + 1;
        EXPECT_EQ(plain[i].back(), '|');
        expectValidComment(f[20], "race line " + std::to_string(i + 1));
        if (!f[20].empty()) ++withText;
    }
    EXPECT_GT(withText, 0);

    EXPECT_EQ(lines[races], "***");
    for (std::size_t i = races + 1; i <= races + drivers; ++i) EXPECT_EQ(fields(lines[i]).size(), 6u) << lines[i];
    EXPECT_EQ(lines[races + drivers + 1], "+++");
    for (std::size_t i = races + drivers + 2; i < lines.size(); ++i) EXPECT_EQ(fields(lines[i]).size(), 5u) << lines[i];
    for (std::size_t i = races; i < lines.size(); ++i) EXPECT_EQ(lines[i], plain[i]);
}
