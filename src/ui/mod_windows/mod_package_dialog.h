#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

// "Save changes as a mod package": the name, author and description the package carries.
class TFormModPackage : public QDialog {
    Q_OBJECT
public:
    // modPictures: how many of the differing pictures installed mods set (the check box to put
    // them in shows only when there are any).
    explicit TFormModPackage(const QString &presetName, int modPictures = 0, QWidget *parent = nullptr);

    QString name() const;
    QString author() const;
    QString description() const;
    bool includeMods() const;

private:
    QLineEdit *m_name;
    QLineEdit *m_author;
    QPlainTextEdit *m_description;
    QCheckBox *m_includeMods;
};
