// Build step: runs the catalogue's SQL files into a new SQLite file, written atomically so a
// failed build never leaves a half-filled catalogue behind.
#include <SQLiteCpp/SQLiteCpp.h>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tubrix-mkcatalogue OUT.db FILE.sql...\n");
        return 64;
    }
    const std::filesystem::path out = argv[1];
    std::filesystem::path temporary = out;
    temporary += ".building";
    try {
        std::filesystem::remove(temporary);
        {
            SQLite::Database db(temporary.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            for (int i = 2; i < argc; ++i) {
                std::ifstream in(argv[i], std::ios::binary);
                if (!in)
                    throw std::runtime_error(std::string("cannot read ") + argv[i]);
                std::ostringstream sql;
                sql << in.rdbuf();
                db.exec(sql.str());
            }
        }
        std::filesystem::rename(temporary, out);
    } catch (const std::exception& e) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        std::fprintf(stderr, "tubrix-mkcatalogue: %s\n", e.what());
        return 1;
    }
    return 0;
}
