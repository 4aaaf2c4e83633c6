#pragma once

#include <QDialog>

#include "mod_dialog_models.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// "Mods": the library of mods of the game folder, the bottom one first, each switched on or off,
// which of their pictures a later mod or an edit covers; one action on one mod at a time (switch
// on or off, move up or down, uninstall) or an install from an archive or a folder, which the
// main window applies as a step of its own.
class TFormInstalledMods : public QDialog {
    Q_OBJECT
public:
    explicit TFormInstalledMods(const InstalledModsModel &model, QWidget *parent = nullptr);

    QTreeWidget *list() const { return m_list; }
    QPushButton *uninstallButton() const { return m_uninstall; }
    QPushButton *installButton() const { return m_install; }
    QComboBox *profileChooser() const { return m_profiles; }
    QPushButton *upButton() const { return m_up; }
    QPushButton *downButton() const { return m_down; }
    // What the user asked of which mod; nothing when the window was closed.
    ModAction action() const { return m_action; }

private:
    void showDetails();
    void choose(ModAction::Kind kind, int mod, const QString &profile = QString());

    InstalledModsModel m_model;
    QTreeWidget *m_list;
    QLabel *m_details;
    QComboBox *m_profiles;
    QPushButton *m_install;
    QPushButton *m_up;
    QPushButton *m_down;
    QPushButton *m_uninstall;
    ModAction m_action;
};
