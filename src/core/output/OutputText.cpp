// Print and copy text: what is on show, with a title block before it and the closing
// notice after it; and the print set-up window's warning for long texts.

#include "output/OutputText.h"

#include <string>
#include <vector>

#include "views/Views.h"

namespace velmora {

std::string outputTitle() {
    return std::string("Velmora ") + VELMORA_VERSION_TEXT +
           " by the Velmora developers - Formula 1 World Championship results";
}

std::string closingNotice() {
    return std::string("Produced by Velmora ") + VELMORA_VERSION_TEXT +
           ", the Velmora developers. Race data compiled from F1DB, CC BY 4.0.";
}

namespace {

using Lines = std::vector<std::string>;

void append(Lines& text, const Lines* lines) {
    if (lines) text.insert(text.end(), lines->begin(), lines->end());
}

void appendTables(Lines& text, const Lines& first, const Lines& second, const Lines& third) {
    text.insert(text.end(), first.begin(), first.end());
    text.push_back("");
    text.insert(text.end(), second.begin(), second.end());
    text.push_back("");
    text.insert(text.end(), third.begin(), third.end());
    text.push_back("");
}

// The four layouts by what is on show; the two kinds of output differ only in the
// title block and in the line between a result page and the closing notice.
Lines assemble(const OutputSource& source, const Lines& titleBlock, const std::string& afterResults) {
    Lines text;
    switch (source.area) {
    case ShownArea::OpeningScreen:
        append(text, source.opening);
        text.push_back("");
        break;
    case ShownArea::WinTables:
        text = titleBlock;
        if (source.winTables)
            appendTables(text, source.winTables->drivers, source.winTables->constructors, source.winTables->engines);
        break;
    case ShownArea::ChampionshipTables:
        text = titleBlock;
        if (source.championships)
            appendTables(text, source.championships->drivers, source.championships->constructors,
                         source.championships->success);
        break;
    case ShownArea::Results:
    case ShownArea::Nothing:
        text = titleBlock;
        append(text, source.results);
        text.push_back(afterResults);
        break;
    }
    text.push_back(closingNotice());
    return text;
}

std::string seasons(const Database& db) {
    return std::to_string(db.FirstSeason) + " to " + std::to_string(db.LastSeason);
}

} // namespace

std::vector<std::string> printText(const Database& db, const OutputSource& source) {
    const std::string indent(10, ' ');
    const std::string title = outputTitle();
    Lines block = {indent + title, indent + std::string(title.size(), '='), " ",
                   indent + "Data for seasons " + seasons(db), " "};
    return assemble(source, block, " ");
}

std::vector<std::string> copyText(const Database& db, const OutputSource& source) {
    // With nothing on show there is nothing to copy.
    if (source.area == ShownArea::Nothing) return {};
    const std::string title = outputTitle();
    Lines block = {title, std::string(title.size(), '='), "", "Seasons Covered " + seasons(db), ""};
    return assemble(source, block, "");
}

std::vector<std::string> printWarning(size_t lineCount, int threshold) {
    if (threshold >= 0 && lineCount <= static_cast<size_t>(threshold)) return {};
    return {"PLEASE NOTE:",
            "",
            "The main search window has " + std::to_string(lineCount) + " lines of output to be printed.",
            "",
            "This may take some time to complete.",
            "",
            "If the output is very large, you may wish to change some settings on the main window."};
}

} // namespace velmora
