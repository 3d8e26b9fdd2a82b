// The variant in the names of the files the program proposes: the saved
// table, report and graph carry "вариант-7" (or its translation), and a
// handed-in file's name tells its variant back.
#pragma once

#include <QString>

#include <optional>

namespace task {

// "вариант-7", as translated.
QString variantInFileName(int variant);

// The variant a file's name carries: "вариант-N" or its English form
// "variant-N" (either case), wherever it stands in the name, the folders
// left aside. None when the name carries no variant, or two different ones.
std::optional<int> variantFromFileName(const QString &path);

} // namespace task
