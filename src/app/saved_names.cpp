#include "app/saved_names.hpp"

#include "store/gbk_text.hpp"

namespace qinghe {

namespace {

const std::string kLineBreak = "\r\n";

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

void renumber(std::vector<NameListRow>& records) {
    for (size_t i = 0; i < records.size(); ++i)
        records[i].columns[ColNumber] = std::to_string(i + 1);
}

}  // namespace

const std::string& savedNamesKey() {
    static const std::string key = gbk("名字记录");
    return key;
}

std::vector<std::string> splitStoredText(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    size_t pieceStart = 0;
    size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            i += 2;  // a two-byte character: its second byte is never a separator
            continue;
        }
        if (text[i] == separator) {
            pieces.push_back(text.substr(pieceStart, i - pieceStart));
            pieceStart = i + 1;
        }
        ++i;
    }
    if (pieceStart < text.size()) pieces.push_back(text.substr(pieceStart));
    return pieces;
}

std::string savedNameText(const std::string& surname, const std::string& given) {
    return surname + kLineBreak + given;
}

std::string savedNamesToText(const std::vector<NameListRow>& records) {
    std::string text;
    for (const NameListRow& record : records) {
        text += replaceAll(record.columns[ColName], kLineBreak, " ");
        for (int column = ColSimplifiedStrokes; column < NameListColumnCount; ++column)
            text += ";" + record.columns[column];
        text += "|";
    }
    return text;
}

std::vector<NameListRow> restoreSavedNames(const std::string& stored) {
    std::vector<NameListRow> records;
    for (const std::string& piece : splitStoredText(replaceAll(stored, " ", kLineBreak), '|')) {
        NameListRow record;
        record.columns[ColNumber] = std::to_string(records.size() + 1);
        std::vector<std::string> fields = splitStoredText(piece, ';');
        for (size_t k = 0; k < fields.size() && k + 1 < NameListColumnCount; ++k)
            record.columns[k + 1] = fields[k];
        records.push_back(std::move(record));
    }
    return records;
}

bool addSavedName(std::vector<NameListRow>& records, const NameListRow& source,
                  const std::string& surname, const std::string& given) {
    const std::string name = savedNameText(surname, given);
    for (const NameListRow& record : records)
        if (record.columns[ColName] == name) return false;
    NameListRow record = source;
    record.columns[ColNumber] = std::to_string(records.size() + 1);
    record.columns[ColName] = name;
    records.push_back(std::move(record));
    return true;
}

bool deleteSavedName(std::vector<NameListRow>& records, size_t row) {
    if (row >= records.size() || records[row].columns[ColName].empty()) return false;
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(row));
    renumber(records);
    return true;
}

SavedName splitSavedName(const std::string& nameColumn) {
    size_t at = nameColumn.find(kLineBreak);
    if (at == std::string::npos) return {"", nameColumn};
    return {nameColumn.substr(0, at), nameColumn.substr(at + kLineBreak.size())};
}

}  // namespace qinghe
