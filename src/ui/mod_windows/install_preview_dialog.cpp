#include "install_preview_dialog.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "program_texts.h"

namespace {

constexpr int ArrowWidth = 24;

QLabel *wrapped(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString summary(const InstallPreviewModel &model)
{
    int changing = 0;
    for (const InstallPreviewRow &row : model.rows)
        changing += row.changes ? 1 : 0;
    const int same = int(model.rows.size()) - changing;
    QString text = QCoreApplication::translate("TFormInstallPreview", "%n pictures change", nullptr, changing);
    if (same > 0)
        text += QCoreApplication::translate("TFormInstallPreview", "; %n are the same already", nullptr, same);
    return text + QCoreApplication::translate("TFormInstallPreview", ". Installing makes these changes in Tessary; \"Apply All Changes\" writes them into the game folder.");
}

} // namespace

QImage TFormInstallPreview::pairOf(const InstallPreviewRow &row)
{
    QImage pair(2 * Box + ArrowWidth, Box, QImage::Format_ARGB32_Premultiplied);
    pair.fill(Qt::transparent);
    QPainter painter(&pair);
    auto place = [&painter](const QImage &picture, int left) {
        if (!picture.isNull())
            painter.drawImage(left + (Box - picture.width()) / 2, (Box - picture.height()) / 2, picture);
    };
    place(row.before, 0);
    place(row.after, Box + ArrowWidth);
    // The arrow from before to after, drawn so that it needs no font.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(96, 96, 96), 2));
    const int middle = Box / 2, left = Box + 5, right = Box + ArrowWidth - 5;
    painter.drawLine(left, middle, right, middle);
    painter.drawLine(right - 5, middle - 5, right, middle);
    painter.drawLine(right - 5, middle + 5, right, middle);
    return pair;
}

TFormInstallPreview::TFormInstallPreview(const InstallPreviewModel &model, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormInstallPreview"));
    setWindowTitle(ProgramTexts::AppTitle());
    auto *column = new QVBoxLayout(this);
    auto *title = new QLabel(tr("Install the mod \"%1\"?").arg(model.name), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    column->addWidget(title);
    column->addWidget(wrapped(model.details, this));
    column->addWidget(wrapped(summary(model), this));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("PreviewList"));
    m_list->setIconSize(QSize(2 * Box + ArrowWidth, Box));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    // A list to look at: Return goes to the buttons, and no row looks chosen.
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setUniformItemSizes(true);
    for (const InstallPreviewRow &row : model.rows) {
        const QString text = row.note.isEmpty() ? row.caption : row.caption + QStringLiteral("\n") + row.note;
        auto *item = new QListWidgetItem(QIcon(QPixmap::fromImage(pairOf(row))), text, m_list);
        item->setToolTip(text); // whole, should a long mod name still be cut
        if (!row.changes)
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
    column->addWidget(m_list, 1);
    if (!model.notes.isEmpty())
        column->addWidget(wrapped(model.notes.join(QLatin1Char('\n')), this));

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Install"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(ProgramTexts::CancelAnswer(), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    resize(520, 480);
}
