#pragma once

#include <QDialog>

#include "mod_dialog_models.h"

class QListWidget;

// "Install mod": what installing a mod would change, before anything changes: a row per
// picture with its thumbnail now and with the mod, and whose picture it would take.
class TFormInstallPreview : public QDialog {
    Q_OBJECT
public:
    // The edge of each thumbnail.
    static constexpr int Box = 64;

    explicit TFormInstallPreview(const InstallPreviewModel &model, QWidget *parent = nullptr);

    // The list of pictures; each item's icon shows the picture now, an arrow, and the picture with the mod.
    QListWidget *list() const { return m_list; }
    // The icon of one row: before on the left, after on the right, Box pixels each.
    static QImage pairOf(const InstallPreviewRow &row);

private:
    QListWidget *m_list;
};
