#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

// "Save changes as a mod package": the name, author and description the package carries.
class TFormModPackage : public QDialog {
    Q_OBJECT
public:
    explicit TFormModPackage(const QString &presetName, QWidget *parent = nullptr);

    QString name() const;
    QString author() const;
    QString description() const;

private:
    QLineEdit *m_name;
    QLineEdit *m_author;
    QPlainTextEdit *m_description;
};
