#pragma once
// Windows-style INI files: "[Section]" lines, then "Key=Value" lines.
// Sections and keys match without regard to letter case; values are trimmed
// of surrounding blanks. Writing a key replaces its value in place or appends
// it to its section (creating the section at the end of the file) and keeps
// every other line byte for byte, line ends included.
#include <string>
#include <vector>

namespace zw {

class IniFile {
  public:
    // An empty store that belongs to no file.
    IniFile() = default;
    // Opens path: reads it when it exists (EInOutError when it exists but
    // cannot be read); a missing file is an empty store that UpdateFile creates.
    explicit IniFile(const std::string& path);
    // A store over bytes already read; name is used in messages.
    static IniFile FromText(const std::string& text, const std::string& name = "");

    const std::string& FileName() const { return path_; }

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    // Decimal, or hexadecimal after "0x"/"0X"; anything else gives def.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    // An integer, non-zero meaning true.
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;

    // Each write goes to the file at once (EInOutError when it cannot be written).
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Holds writes in memory until EndUpdate (or UpdateFile) writes them once.
    void BeginUpdate() { deferred_ = true; }
    void EndUpdate();
    // Writes the whole file now (no file name: nothing to do).
    void UpdateFile();

    // The file's bytes as they would be written.
    std::string Text() const;

  private:
    struct Line {
        std::string text; // without its line end
        std::string end;  // "\r\n", "\n", "\r" or "" for the last line
    };
    // Index of the key's line in the section, or -1.
    int FindKey(const std::string& section, const std::string& key) const;
    // Index of the section's header, or -1.
    int FindSection(const std::string& section) const;
    std::string NewLineEnd() const;

    std::string path_;
    std::vector<Line> lines_;
    bool deferred_ = false;
};

// "0x1F" and "-12" style integers; false when the text is not one.
bool ParseIniInteger(const std::string& text, int& out);

} // namespace zw
