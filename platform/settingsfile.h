// kavimo.ini, read without Qt: the tools find the work directory where kavimo does.
//
// The file is the one kavimo's Settings dialog writes (Qt's INI format): "[group]" lines, then
// "key=value" lines; a value may be quoted and holds backslash escapes.
#pragma once

#include <string>

namespace platform {

// $XDG_CONFIG_HOME/kavimo/kavimo.ini (XDG_CONFIG_HOME when absolute, else ~/.config); empty
// without a home.
std::string DefaultSettingsFilePath();

// The settings file of this run: KAVIMO_CONFIG when set, else the default one.
std::string SettingsFilePath();

// The value of `key` ("group/key") in the settings file `path`, unescaped. False when the file
// cannot be read or has no such key.
bool ReadSettingsValue(const std::string& path, const std::string& key, std::string* value);

}  // namespace platform
