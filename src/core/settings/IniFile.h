#pragma once
// Access to the settings file, an INI file of the Windows kind. The program reaches
// it in short groups: open (load the whole file), read or write some values, close
// (write the whole file back when anything was written). The file is never kept open
// between groups.
//
// Reading follows the Windows profile-file rules the earlier versions relied on:
// section and key names match without regard to case, blanks around keys and values
// are ignored, a value in matching quotes loses them, the first of duplicate
// sections or keys wins. Lines may end in CR LF or LF alone and a UTF-8 byte order
// mark is skipped. Writing keeps every line it does not change (unknown sections and
// keys, comments, blank lines) and the spelling of the names already in the file;
// lines are written with CR LF.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace velmora {

class IniStore {
public:
    virtual ~IniStore() = default;

    // Loads the file at `path`; a missing file reads as empty and succeeds. When an
    // existing file cannot be read, returns false with a reason: reads then yield their
    // defaults and close() refuses to write, so the unreadable file is not replaced.
    virtual bool open(const std::string& path, std::string* error = nullptr) = 0;

    // Copies the stored value into `value`; false when the section or the key is missing.
    virtual bool lookup(const std::string& section, const std::string& key, std::string& value) const = 0;

    // Sets a value in memory; the file changes only at close().
    virtual void writeString(const std::string& section, const std::string& key, const std::string& value) = 0;

    // Ends the group. When anything was written since open(), the whole file is written
    // back through a temporary file; returns false with a reason when that fails (the
    // old file is then left as it was). A group of reads only always succeeds.
    virtual bool close(std::string* error = nullptr) = 0;

    // Typed access on top of lookup/writeString.
    std::string readString(const std::string& section, const std::string& key, const std::string& def) const;
    // Decimal (or "$"/"0x" hexadecimal) integer; anything else, or a value out of
    // range, yields `def`.
    int readInteger(const std::string& section, const std::string& key, int def) const;
    // An integer: 0 reads false, any other integer true; anything else yields `def`.
    bool readBool(const std::string& section, const std::string& key, bool def) const;
    void writeInteger(const std::string& section, const std::string& key, long long value);
    void writeBool(const std::string& section, const std::string& key, bool value); // "1" / "0"
};

// Reads an integer the way the settings file stores one; false when `text` is none.
bool parseIniInteger(const std::string& text, long long& value);

// The settings file on a FileSystem.
class IniFileStore : public IniStore {
public:
    explicit IniFileStore(FileSystem& files) : files_(files) {}

    bool open(const std::string& path, std::string* error = nullptr) override;
    bool lookup(const std::string& section, const std::string& key, std::string& value) const override;
    void writeString(const std::string& section, const std::string& key, const std::string& value) override;
    bool close(std::string* error = nullptr) override;

    // The file text as close() would write it (for tests and diagnostics).
    std::string text() const;

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        Kind kind = Kind::Other;
        std::string raw;   // the line as read (without its line end)
        std::string name;  // section or key name as spelt in the file
        std::string value; // a key's value, trimmed and unquoted
    };

    void parse(const std::string& bytes);
    // Index of the first section line named `section`, or -1.
    long findSection(const std::string& section) const;
    // Index of the key line in the section starting at `sectionIndex`, or -1.
    long findKey(long sectionIndex, const std::string& key) const;
    long sectionEnd(long sectionIndex) const; // index after the section's last line

    FileSystem& files_;
    std::string path_;
    std::vector<Line> lines_;
    bool bom_ = false;
    bool isOpen_ = false;
    bool readFailed_ = false;
    std::string readError_;
    bool dirty_ = false;
};

} // namespace velmora
