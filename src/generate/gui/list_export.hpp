// The export buttons: write a list or the classic names to a GBK text file and open it with the
// desktop's program for text files. A file that cannot be written is reported and not opened,
// so the user never sees an old list in place of the new one.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace qinghe {

// The export files: data/NameList.txt, data/100NameList.txt, data/ClassNameList.txt.
inline constexpr const char* kHighScoreExportFile = "NameList.txt";
inline constexpr const char* kSuperExportFile = "100NameList.txt";
inline constexpr const char* kClassicExportFile = "ClassNameList.txt";

// Writes the GBK text to path; on success opens it, otherwise shows "无法写入文件：" and the path.
// Returns whether the file was written.
bool exportAndOpen(QWidget* parent, const QString& path, const std::string& gbkText);

}  // namespace qinghe
