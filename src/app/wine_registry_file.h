#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// Reads Wine's registry files (system.reg, user.reg): text made of "[key] time" lines, each
// followed by its "name"="value" lines. Key names are written with doubled backslashes, and
// every backslash, quote and character outside printable ASCII in a name or a text is escaped.
namespace WineRegistryFile {
// The text of a REG_SZ or REG_EXPAND_SZ value (unexpanded); nullopt when the key or the value
// is missing or holds another type. keyPath is relative to the file's root and written with
// single backslashes ("Software\Infogrames"); key and value names match in any case, as in
// the registry.
std::optional<QString> readText(const QByteArray &fileText, const QString &keyPath, const QString &valueName);
// Undoes the escapes of a key name or text: \\ \" \] \n ... \xHHHH (UTF-16) and \OOO (octal).
QString unescape(QStringView text);
}
