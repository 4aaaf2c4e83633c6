#include "chosen_folder_record.h"

#include <QCoreApplication>

#include <utility>

#include "settings_store.h"

ChosenFolderRecord::ChosenFolderRecord() = default;

ChosenFolderRecord::ChosenFolderRecord(QString iniFilePath) : m_iniFilePath(std::move(iniFilePath)) {}

std::unique_ptr<SettingsStore> ChosenFolderRecord::open() const
{
    return m_iniFilePath ? std::make_unique<SettingsStore>(*m_iniFilePath) : std::make_unique<SettingsStore>();
}

std::optional<QString> ChosenFolderRecord::read() const
{
    const QString folder = open()->readText(SettingsStore::GameFolder, QString());
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

bool ChosenFolderRecord::write(const QString &folder)
{
    m_lastError.clear();
    {
        const std::unique_ptr<SettingsStore> store = open();
        store->writeText(SettingsStore::GameFolder, folder);
        if (!store->sync()) {
            m_lastError = store->lastError();
            return false;
        }
    }
    // A store may report success for a file it could not replace; read the value back.
    if (read() != folder) {
        m_lastError = QCoreApplication::translate("GameFolder", "the value could not be recorded");
        return false;
    }
    return true;
}

void ChosenFolderRecord::forget()
{
    if (!read())
        return;
    const std::unique_ptr<SettingsStore> store = open();
    store->remove(SettingsStore::GameFolder);
    store->sync();
}

QString ChosenFolderRecord::location() const
{
    return open()->location() + QStringLiteral(", value \"") + SettingsStore::GameFolder + QLatin1Char('"');
}
