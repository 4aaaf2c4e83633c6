#pragma once

#include <QDialog>

#include "mod_dialog_models.h"

class QLabel;
class QPushButton;
class QTreeWidget;

// "Installed mods": the mods installed in the game folder, in install order, which of their
// pictures a later mod or an edit covers, and the choice of one to uninstall.
class TFormInstalledMods : public QDialog {
    Q_OBJECT
public:
    explicit TFormInstalledMods(const InstalledModsModel &model, QWidget *parent = nullptr);

    QTreeWidget *list() const { return m_list; }
    QPushButton *uninstallButton() const { return m_uninstall; }
    // The mod chosen for uninstalling (its place in install order), or -1.
    int chosen() const { return m_chosen; }

private:
    void showDetails();

    InstalledModsModel m_model;
    QTreeWidget *m_list;
    QLabel *m_details;
    QPushButton *m_uninstall;
    int m_chosen = -1;
};
