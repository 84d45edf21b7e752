// The saved names: the list of names whose report the user opened, kept on the 起名记录 page and
// stored under the key 名字记录 of the settings.
//
// A record is a NameListRow whose 姓名 column holds the surname, CR LF and the given name. The
// stored form writes, for each record in list order, columns 1 to 7 joined by ";" and followed
// by "|", with the CR LF of column 1 written as one space; the record numbers are not stored.
#pragma once

#include <string>
#include <vector>

#include "generate/name_list_row.hpp"

namespace qinghe {

// The 名字记录 key (GBK).
const std::string& savedNamesKey();

// Cuts a stored text at each separator byte. Every piece before a separator is kept, also an
// empty one; the piece after the last separator only when it is not empty; "" gives no piece.
// A byte of 0x80 or above is read together with the byte after it, so a separator that is the
// second byte of a GBK character (亅 is 0x81 0x7C, and 0x7C is "|") never cuts.
std::vector<std::string> splitStoredText(const std::string& text, char separator);

// The 姓名 column of a record: surname, CR LF, given name.
std::string savedNameText(const std::string& surname, const std::string& given);

// The stored form of the list.
std::string savedNamesToText(const std::vector<NameListRow>& records);

// The records of a stored form, numbered from 1. Every space becomes CR LF again; a record with
// fewer than seven fields gets empty texts for the missing columns, extra fields are dropped.
std::vector<NameListRow> restoreSavedNames(const std::string& stored);

// Appends the record of a name whose report was opened: number, surname CR LF given name, and
// columns 2 to 7 of the row it came from. Nothing is added when a record of that name (the same
// 姓名 column) is already there. Returns true when a record was added.
bool addSavedName(std::vector<NameListRow>& records, const NameListRow& source,
                  const std::string& surname, const std::string& given);

// Deletes the record at row when it exists and its 姓名 column is not empty, then numbers the
// remaining records from 1 again. Returns true when a record was deleted.
bool deleteSavedName(std::vector<NameListRow>& records, size_t row);

// The surname and given name of a record: the parts of 姓名 before and after the first CR LF.
// Without a line break the surname is empty and the whole text is the given name.
struct SavedName {
    std::string surname;
    std::string given;
};
SavedName splitSavedName(const std::string& nameColumn);

}  // namespace qinghe
