// velmora-cli, run as a program on a fresh program directory.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out, err;
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) result.push_back(line);
        return result;
    }
};

class CliTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::random_device random;
        dir = fs::temp_directory_path() / ("velmora-cli-test-" + std::to_string(random()));
        fs::create_directories(dir);
    }
    static void TearDownTestSuite() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    static std::string quote(const std::string& arg) {
        std::string q = "'";
        for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    }

    static CliRun run(const std::vector<std::string>& args) {
        std::string command = quote(VELMORA_CLI_PATH) + " --dir " + quote(dir.string());
        for (const auto& a : args) command += " " + quote(a);
        fs::path errFile = dir / "stderr.txt";
        command += " 2>" + quote(errFile.string());
        CliRun result;
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return result;
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
        int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream err(errFile);
        std::ostringstream text;
        text << err.rdbuf();
        result.err = text.str();
        return result;
    }

    static fs::path dir;
};

fs::path CliTest::dir;

TEST_F(CliTest, SearchPages) {
    struct Case {
        std::vector<std::string> args;
        std::string title, summary;
    };
    std::vector<Case> cases = {
        {{"driver-wins", "Senna Ayrton"}, "Displaying race wins only for driver Ayrton Senna",
         "There were 41 matching results."},
        {{"driver-podiums", "senna ayrton"}, "Displaying all podium finishes for driver Ayrton Senna",
         "There were 80 matching results."},
        {{"team-wins", "Ferrari"}, "Displaying race wins only for Team : Ferrari", "There were 229 matching results."},
        {{"team-1-2-3", "Ferrari"}, "Displaying 1-2-3 results for Ferrari", "There were 8 matching results."},
        {{"engine-1-2", "Honda"}, "Displaying 1-2 results for Engine : Honda", "There were 29 matching results."},
        {{"circuit", "Monza"}, "Displaying Results for Circuit : Monza", "There were 67 matching results."},
        {{"season", "1976"}, "Displaying Results for Season : 1976", "There were 16 matching results."},
        {{"season-first"}, "Displaying Results for Season : 1950", "There were 7 matching results."},
        {{"career", "Schumacher Michael"}, "Career summary for Michael Schumacher", ""},
        {{"specials"}, "Special Races", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        CliRun r = run(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        auto lines = r.lines();
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[0], c.title);
        if (!c.summary.empty()) {
            EXPECT_EQ(lines[1], c.summary);
        }
    }
    CliRun all = run({"all-races"});
    EXPECT_EQ(all.lines().back(), "There were 976 matching results.");
}

TEST_F(CliTest, TablesListsAndOpening) {
    CliRun tables = run({"win-tables"});
    EXPECT_EQ(tables.status, 0);
    EXPECT_EQ(tables.lines()[0], "Driver Win List");
    EXPECT_NE(tables.out.find("Constructor Win List"), std::string::npos);
    EXPECT_NE(tables.out.find("Engine Win List"), std::string::npos);

    CliRun champions = run({"championships"});
    EXPECT_EQ(champions.lines()[0], "Driver Championships");
    EXPECT_TRUE(fs::exists(dir / "DriverChamps.txt"));

    CliRun seasons = run({"list", "seasons"});
    EXPECT_EQ(seasons.lines().size(), 68u);
    EXPECT_EQ(seasons.lines().front(), "1950");
    CliRun drivers = run({"list", "drivers"});
    EXPECT_NE(drivers.out.find("\nSenna Ayrton\n"), std::string::npos);

    CliRun opening = run({"opening"});
    EXPECT_EQ(opening.status, 0);
    EXPECT_NE(opening.out.find("976 Races."), std::string::npos);

    CliRun calendar = run({"calendar"});
    EXPECT_EQ(calendar.status, 0);
    EXPECT_TRUE(calendar.out.empty());
    EXPECT_NE(calendar.err.find("Calendar Data does not exist for 2017"), std::string::npos);
}

TEST_F(CliTest, PrintCopyOptionsAndColour) {
    CliRun print = run({"print", "season", "1950"});
    EXPECT_EQ(print.status, 0);
    auto lines = print.lines();
    EXPECT_NE(print.out.find("          Data for seasons 1950 to 2017"), std::string::npos);
    EXPECT_NE(print.out.find("Displaying Results for Season : 1950"), std::string::npos);
    CliRun copy = run({"copy", "win-tables"});
    EXPECT_NE(copy.out.find("Seasons Covered 1950 to 2017"), std::string::npos);

    CliRun noDay = run({"--options", "0", "driver-wins", "Farina Nino"});
    EXPECT_EQ(noDay.lines()[3].substr(0, 22), "[#1 1950-1]     13 May");

    CliRun coloured = run({"--colour", "season", "1950"});
    EXPECT_EQ(coloured.out.rfind("\x1b[48;2;255;255;207m\x1b[38;2;255;0;0mDisplaying Results for Season : 1950", 0),
              0u);
}

TEST_F(CliTest, MistakesGetAClearMessage) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    std::vector<Case> cases = {
        {{"driver-wins", "Foo Bar"}, "velmora-cli: no driver \"Foo Bar\"; try velmora-cli list drivers"},
        {{"team-wins", "Ferarri"}, "velmora-cli: no team \"Ferarri\"; try velmora-cli list teams"},
        {{"season", "1949"}, "velmora-cli: no season \"1949\"; try velmora-cli list seasons"},
        {{"podiums"}, "velmora-cli: unknown page \"podiums\""},
        {{"list", "pilots"}, "velmora-cli: no list \"pilots\""},
        {{"--options", "01x"}, "velmora-cli: --options takes up to 37 characters"},
        {{"print"}, "velmora-cli: print needs a page"},
        {{"driver-wins", "Senna", "Ayrton"}, "velmora-cli: too many words for driver-wins"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        CliRun r = run(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("velmora-cli team-1-2-3 Ferrari"), std::string::npos);
}

} // namespace
