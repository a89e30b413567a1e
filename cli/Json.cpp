#include "Json.h"

#include <iostream>

namespace cli {

Json histogramJson(const Histogram& h) {
  const int n = binCount(h);
  Json j;
  j["count"] = n;
  j["min"] = h.min;
  j["max"] = h.max;
  j["range"] = h.range;
  j["step"] = h.step;
  j["total"] = h.total;
  Json p = Json::array();
  for (int i = 0; i < n; ++i) p.push_back(h.p[i]);
  j["p"] = std::move(p);
  return j;
}

Json errorJson(int message, const std::string& text) {
  Json e;
  e["message"] = message;
  e["text"] = text;
  Json j;
  j["error"] = std::move(e);
  return j;
}

void printJson(const Json& j) {
  // Invalid UTF-8 (a Windows-1250 text slipping through) is replaced rather than thrown on.
  std::cout << j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

int refuse(int message, const std::string& text) {
  printJson(errorJson(message, text));
  return 1;
}

int refuse(const Refusal& refusal, Language language) {
  return refuse(refusal.message, refusal.text(language));
}

}  // namespace cli
