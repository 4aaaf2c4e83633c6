#include "message_dialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

#include "program_texts.h"

namespace {

// The widest a line of text grows before it wraps (about what a message box allows), and room
// kept for the window's frame and margins beside the screen's edges.
constexpr int TextWidth = 480;
constexpr int ScreenMargin = 40;

} // namespace

MessageDialog::MessageDialog(const QString &text, bool question, const QStringList &buttons, QWidget *parent,
                             int defaultButton)
    : QDialog(parent), m_text(new QTextEdit(this))
{
    setWindowTitle(ProgramTexts::AppTitle());
    setModal(true);
    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    if (question) {
        auto *icon = new QLabel(this);
        const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(side, side));
        grid->addWidget(icon, 0, 0, Qt::AlignTop);
        m_iconWidth = side + grid->horizontalSpacing();
    }

    // Looks like a label: no frame, the window's colours; but it wraps anywhere and selects.
    m_text->setReadOnly(true);
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setFocusPolicy(Qt::ClickFocus);
    m_text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = m_text->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    m_text->setPalette(colours);
    m_text->document()->setDocumentMargin(0);
    m_text->setPlainText(text);
    grid->addWidget(m_text, 0, 1);

    auto *box = new QDialogButtonBox(this);
    QList<QAbstractButton *> added;
    for (const QString &caption : buttons)
        added << box->addButton(caption, added.isEmpty() ? QDialogButtonBox::AcceptRole : QDialogButtonBox::RejectRole);
    grid->addWidget(box, 1, 0, 1, 2);
    for (int k = 0; k < added.size(); ++k)
        connect(added[k], &QAbstractButton::clicked, this, [this, k] {
            m_chosen = k;
            done(QDialog::Accepted);
        });
    if (!added.isEmpty()) {
        auto *preset = static_cast<QPushButton *>(added.value(defaultButton, added.constFirst()));
        preset->setDefault(true);
        preset->setFocus();
        // Escape presses the last button.
        connect(this, &QDialog::rejected, this, [this, count = int(added.size())] {
            if (m_chosen < 0)
                m_chosen = count - 1;
        });
    }

    auto *copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &MessageDialog::copyText);
    addAction(copy);
    fitToScreen();
}

// As wide as the longest line needs, up to TextWidth and the screen's width; as tall as the
// text, up to half the screen, the rest scrolling.
void MessageDialog::fitToScreen()
{
    const QScreen *screen = parentWidget() && parentWidget()->screen() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const QMargins margins = layout()->contentsMargins();
    const int chrome = margins.left() + margins.right() + m_iconWidth + ScreenMargin;
    const int widest = std::max(120, std::min(TextWidth, room.width() - chrome));
    const QStringList lines = m_text->toPlainText().split(QLatin1Char('\n'));
    int natural = 0;
    for (const QString &line : lines)
        natural = std::max(natural, m_text->fontMetrics().horizontalAdvance(line) + 2);
    const int width = std::clamp(natural, 120, widest);
    // The text laid out at that width, as the field lays it out.
    QTextDocument document;
    document.setDefaultFont(m_text->font());
    document.setDocumentMargin(0);
    document.setDefaultTextOption(m_text->document()->defaultTextOption());
    document.setPlainText(m_text->toPlainText());
    document.setTextWidth(width);
    const int tallest = std::max(3 * fontMetrics().lineSpacing(), room.height() / 2);
    const int height = int(std::ceil(document.size().height()));
    const int scrollBar = height > tallest ? m_text->verticalScrollBar()->sizeHint().width() : 0;
    m_text->setVerticalScrollBarPolicy(height > tallest ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_text->setFixedSize(width + scrollBar + 2 * m_text->frameWidth(), std::min(height, tallest) + 2 * m_text->frameWidth());
}

void MessageDialog::copyText()
{
    QString selected = m_text->textCursor().selectedText();
    // A selection's line breaks come as paragraph separators.
    QGuiApplication::clipboard()->setText(selected.isEmpty() ? m_text->toPlainText() : selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}
