// veltra-cli results-dump: lists the values of a results file.

#include "ResultsCommand.h"

#include <iostream>
#include <string>
#include <string_view>

#include "Arguments.h"
#include "Json.h"
#include "io/FileRead.h"
#include "persistence/ResultsFile.h"
#include "shell/Refusal.h"

int runResultsDumpCommand(int argc, char* argv[]) {
  const auto a = cli::readArguments(argc, argv, 2, "results-dump",
                                    "usage: veltra-cli results-dump RESULTS.Vys [--lang cs|en]\n");
  if (!a) return 2;
  const std::string path = a->positional[0];
  const Language language = cli::languageOf(*a);
  std::string bytes;
  if (const auto refused = readWholeFile(path, FileKind::Results, bytes)) {
    const Refusal e = fileNotRead(*refused);
    return cli::refuse(e.message, e.text(language) + (e.message == 34 ? " ( " + path + " )" : ""));
  }
  Refusal error;
  const auto values = listResultsValues(bytes, error);
  if (!parseResultsFile(bytes, error)) return cli::refuse(error, language);
  cli::Json list = cli::Json::array();
  for (const auto& v : values) {
    cli::Json j;
    j["name"] = v.name;
    j["tag"] = v.tag;
    if (v.kind == "integer")
      j["value"] = v.integer;
    else if (v.kind == "real")
      j["value"] = v.real;  // NaN and infinities print as null
    else if (v.kind == "boolean")
      j["value"] = v.boolean;
    else
      j["value"] = v.text;
    list.push_back(std::move(j));
  }
  cli::Json out;
  out["values"] = std::move(list);
  cli::printJson(out);
  return 0;
}
