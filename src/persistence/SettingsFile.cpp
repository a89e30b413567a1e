#include "persistence/SettingsFile.h"

// Placeholder: an in-memory store until the settings file lands.
SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {}

std::string SettingsFile::readString(std::string_view, std::string_view, std::string_view def) const {
  return std::string(def);
}
long long SettingsFile::readInteger(std::string_view, std::string_view, long long def) const { return def; }
bool SettingsFile::readBool(std::string_view, std::string_view, bool def) const { return def; }
double SettingsFile::readFloat(std::string_view, std::string_view, double def) const { return def; }
void SettingsFile::writeString(std::string_view, std::string_view, std::string_view) {}
void SettingsFile::writeInteger(std::string_view, std::string_view, long long) {}
void SettingsFile::writeBool(std::string_view, std::string_view, bool) {}
void SettingsFile::writeFloat(std::string_view, std::string_view, double) {}
bool SettingsFile::exists() const { return false; }
void SettingsFile::load() {}
void SettingsFile::save() const {}
