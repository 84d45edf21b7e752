// build-namedata: builds the name database file from its sources.
//
//   build-namedata --out FILE --unihan DIR --node-modules DIR --content DIR
//
// Sources: Unihan (Debian unicode-data), OpenCC's tables (Debian opencc), the npm packages
// chinese-poetry and cnchar-data, and the texts of data/content. The same sources give the same
// file. A missing source stops the build with a message naming it and its package.
#include <chrono>
#include <iostream>
#include <map>
#include <set>

#include "character_table.hpp"
#include "poem_tables.hpp"
#include "record_file.hpp"
#include "text_tables.hpp"
#include "unihan.hpp"
#include "utf8.hpp"

namespace {

std::set<std::string> readCharacterList(const std::filesystem::path& file) {
    std::set<std::string> characters;
    if (!std::filesystem::exists(file)) return characters;
    std::string text = namedata::readTextFile(file);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') continue;
        for (const std::string& c : namedata::utf8Characters(line))
            if (static_cast<unsigned char>(c[0]) >= 0x80 && c != "，") characters.insert(c);
    }
    return characters;
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> options;
    for (int i = 1; i + 1 < argc; i += 2) options[argv[i]] = argv[i + 1];
    for (const char* required : {"--out", "--unihan", "--node-modules", "--content"}) {
        if (!options.count(required)) {
            std::cerr << "usage: build-namedata --out FILE --unihan DIR --node-modules DIR --content DIR\n";
            return 2;
        }
    }
    auto started = std::chrono::steady_clock::now();
    try {
        std::filesystem::path content = options["--content"];
        std::filesystem::path modules = options["--node-modules"];
        std::filesystem::path unihanFolder = options["--unihan"];
        auto explanations = modules / "cnchar-data" / "explanation";
        if (!std::filesystem::is_directory(explanations))
            throw std::runtime_error("the word explanations are missing: no " + explanations.string() +
                                     " (run npm ci to install the npm package cnchar-data)");
        auto radicals = unihanFolder / "CJKRadicals.txt";
        if (!std::filesystem::exists(radicals))
            throw std::runtime_error("CJKRadicals.txt is missing in " + unihanFolder.string() +
                                     " (install the Debian package unicode-data)");

        namedata::UnihanData unihan = namedata::readUnihanFolder(unihanFolder);
        namedata::OpenccConverter toTraditional("s2t.json");
        namedata::OpenccConverter toSimplified("t2s.json");

        std::filesystem::path out = options["--out"];
        std::filesystem::path partial = out;
        partial += ".part";
        namedata::DataFile file(partial);
        std::set<std::string> characters =
            namedata::buildCharacterTable({unihan, radicals, explanations, toTraditional}, file);
        namedata::buildTalentTable(content, file);
        namedata::buildNumberTable(content, file);
        namedata::buildEnglishNameTable(content, file);
        std::set<std::string> nameCharacters = readCharacterList(content / "pool" / "boy.txt");
        nameCharacters.merge(readCharacterList(content / "pool" / "girl.txt"));
        namedata::PoemCounts poems =
            namedata::buildPoemTables(modules / "chinese-poetry" / "dist" / "quantangshi", nameCharacters,
                                      toSimplified, file);
        namedata::buildArticleTables(content, file);
        namedata::buildSurnameTable(content, file);

        // Every character of the program's name lists must be in the character table.
        for (const char* list : {"pool/boy.txt", "pool/girl.txt", "classic/boy_two.txt", "classic/girl_two.txt",
                                 "classic/boy_one.txt", "classic/girl_one.txt"}) {
            for (const std::string& c : readCharacterList(content / list))
                if (!characters.count(c))
                    throw std::runtime_error(std::string("the character ") + c + " of " + list +
                                             " is not in the character table");
        }
        file.finish();
        std::filesystem::rename(partial, out);
        auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::cout << "namedata.db: " << characters.size() << " characters, " << poems.poems << " poems by "
                  << poems.poets << " poets, built in " << seconds << " s\n";
    } catch (const std::exception& e) {
        std::cerr << "build-namedata: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
