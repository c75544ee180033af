#pragma once
// The settings file's text: the INI form the toolkit's own settings class
// writes ("[group]" lines, "key=value" lines, quoted values with backslash
// escapes), so files of earlier runs read back and later ones stay the same.

#include <QMap>
#include <QString>

namespace wd::settings {

// "group/key" to the value as a string.
using Values = QMap<QString, QString>;

Values parse_ini(const QByteArray& text);
QByteArray write_ini(const Values& values);

}  // namespace wd::settings
