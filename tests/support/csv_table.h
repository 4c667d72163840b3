// Reading reference tables: CSV files with one header line, from the data
// folder or from the reference folders of the tests.
#pragma once

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_data.h"

namespace corvinata::test {

// One line of a reference table, split at the commas.
struct CsvRow {
    std::vector<std::string> fields;

    double Number(std::size_t column) const {
        return column < fields.size() ? std::strtod(fields[column].c_str(), nullptr) : 0.0;
    }
    const std::string& Text(std::size_t column) const { return fields.at(column); }
};

// The data rows of the table at `path`; none when it cannot be read.
inline std::vector<CsvRow> ReadCsvFile(const std::string& path) {
    std::vector<CsvRow> rows;
    std::ifstream in(path);
    std::string line;
    if (!std::getline(in, line)) return rows;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        CsvRow row;
        std::stringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ',')) row.fields.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

// The data rows of a table below the data folder.
inline std::vector<CsvRow> ReadCsv(const std::string& relative) {
    return ReadCsvFile(DataPath(relative));
}

// Names a parameterised case after its row, for readable failure messages.
inline std::string RowName(const CsvRow& row) {
    std::string name;
    for (std::size_t i = 0; i < row.fields.size() && i < 2; ++i) {
        for (char c : row.fields[i]) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        name += '_';
    }
    return name;
}

}  // namespace corvinata::test
