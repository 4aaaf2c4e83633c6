#include "main_window_layout.h"

#include <algorithm>

#include <QAction>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QProgressBar>
#include <QString>
#include <QVBoxLayout>
#include <QWidget>

#include "channel_toggle.h"
#include "filled_rect.h"
#include "page_control.h"
#include "program_texts.h"
#include "push_button.h"
#include "scroll_box.h"
#include "size_spin_box.h"
#include "text_room.h"

namespace MainWindowLayout {

namespace {

// The gaps between neighbours that the layout keeps when a text pushes its neighbours on.
constexpr int TopPanelGap = 7;
constexpr int ToolBarGap = 4;
// The progress bar never gives way to less than this.
constexpr int MinimumProgressWidth = 120;
// The pages' frame around the tool bar: 588 wide outside, 580 inside.
constexpr int PageFrameWidth = 8;

template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

TPushButton *button(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *made = named(new TPushButton(text, parent), name);
    made->setGeometry(geometry);
    return made;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, QPoint at)
{
    auto *made = named(new QLabel(text, parent), name);
    made->move(at);
    return made;
}

// Where a control goes: at its designed x, or further right where the control before it has
// grown into that place. A text never shrinks to fit the layout; the layout gives way.
int after(const QWidget *before, int designed, int gap)
{
    return std::max(designed, before->geometry().right() + 1 + gap);
}

// A button as wide as its designed width, or wider where its text needs it.
void widenToText(TPushButton *button)
{
    button->resize(std::max(button->width(), button->fittingWidth()), button->height());
}

TScrollBox *scrollBox(QWidget *parent, const char *name)
{
    auto *box = named(new TScrollBox(parent), name);
    QPalette colours = box->viewport()->palette();
    colours.setColor(QPalette::Window, box->palette().color(QPalette::Light));
    box->viewport()->setPalette(colours);
    box->viewport()->setBackgroundRole(QPalette::Window);
    // Replaced by the grids before anything is shown.
    box->setRange(3400);
    return box;
}

void buildTopPanel(QWidget *form, MainWindowParts &parts)
{
    parts.TopPanel = named(new QFrame(form), "TopPanel");
    parts.TopPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    parts.TopPanel->setLineWidth(1);
    parts.TopPanel->setFixedHeight(TopPanelHeight);
    parts.LMDApplyAll = button(parts.TopPanel, "LMDApplyAll", QCoreApplication::translate("TForm1", "Apply All Changes"), QRect(6, 4, 117, 20));
    parts.ProgressBar1 = named(new QProgressBar(parts.TopPanel), "ProgressBar1");
    parts.ProgressBar1->setGeometry(130, 5, 347, 18);
    parts.ProgressBar1->setOrientation(Qt::Horizontal);
    parts.ProgressBar1->setTextVisible(false);
    parts.ProgressBar1->setRange(0, 100);
    parts.ProgressBar1->setValue(0);
    parts.LMDChangePath = button(parts.TopPanel, "LMDChangePath", QCoreApplication::translate("TForm1", "Change GP4 Path"), QRect(484, 4, 97, 20));
}

// The progress bar gives way to buttons whose texts need more room than designed.
void fitTopPanel(MainWindowParts &parts)
{
    widenToText(parts.LMDApplyAll);
    widenToText(parts.LMDChangePath);
    const int barLeft = after(parts.LMDApplyAll, 130, TopPanelGap);
    const int changeLeft = std::max(barLeft + MinimumProgressWidth + TopPanelGap,
                                    std::min(484, MinimumClientWidth - TopPanelGap - parts.LMDChangePath->width()));
    parts.LMDChangePath->move(changeLeft, 4);
    parts.ProgressBar1->setGeometry(barLeft, 5, changeLeft - TopPanelGap - barLeft, 18);
}

void buildToolBar(MainWindowParts &parts)
{
    parts.Panel1 = named(new QFrame(parts.TabSheet1), "Panel1");
    parts.Panel1->setFrameStyle(QFrame::NoFrame);
    parts.Panel1->setFixedHeight(ToolBarHeight);
    parts.LMDSaveAll = button(parts.Panel1, "LMDSaveAll", QCoreApplication::translate("TForm1", "Save all images to .tga"), QRect(2, 2, 117, 20));
    parts.LMDSaveAll->setToolTip(QCoreApplication::translate("TForm1", "Saves every image into a folder, as .tga or .png files"));
    parts.LabelSize = label(parts.Panel1, "LabelSize", QCoreApplication::translate("TForm1", "Image Size :"), QPoint(146, 6));
    parts.LabelSize->setAlignment(Qt::AlignCenter);
    parts.SizeLabel = label(parts.Panel1, "SizeLabel", QStringLiteral("-"), QPoint(208, 6));
    parts.SizeLabel->setAlignment(Qt::AlignCenter);
    parts.PanelChannels = named(new TChannelToggle(parts.Panel1), "PanelChannels");
    parts.PanelChannels->setGeometry(286, 2, 81, 20);
    parts.LabelThumb = label(parts.Panel1, "LabelThumb", QCoreApplication::translate("TForm1", "Thumbnail Size:"), QPoint(378, 6));
    parts.SpinSize = named(new TSpinSize(parts.Panel1), "SpinSize");
    parts.SpinSize->setGeometry(458, 1, 49, 22);
}

// Sizes the tool bar's controls to their texts in the font they are drawn in; where one needs
// more room than designed, the controls after it move right.
void fitToolBar(MainWindowParts &parts)
{
    widenToText(parts.LMDSaveAll);
    TextRoom::setLabelText(parts.LabelSize, parts.LabelSize->text());
    // A wider text grows the label to the left, so that it never covers the size beside it.
    parts.LabelSize->move(after(parts.LMDSaveAll, std::min(146, 204 - parts.LabelSize->width()), ToolBarGap), 6);
    parts.SizeLabel->move(after(parts.LabelSize, 208, ToolBarGap), 6);
    TextRoom::setLabelText(parts.SizeLabel, parts.SizeLabel->text());
    // The size label's left edge stays put; the room after it holds the widest size.
    const int sizeRoom = std::max(78, TextRoom::width(QStringLiteral("0000*0000"), parts.SizeLabel->font()) + ToolBarGap);
    parts.PanelChannels->setGeometry(std::max(286, parts.SizeLabel->x() + sizeRoom), 2,
                                     std::max(81, parts.PanelChannels->fittingWidth()), 20);
    parts.LabelThumb->move(after(parts.PanelChannels, 378, 11), 6);
    TextRoom::setLabelText(parts.LabelThumb, parts.LabelThumb->text());
    parts.SpinSize->move(after(parts.LabelThumb, 458, ToolBarGap), 1);
}

void buildPages(QWidget *form, MainWindowParts &parts)
{
    parts.PageControl1 = named(new TPageControl(form), "PageControl1");
    parts.TabSheet1 = named(new QWidget, "TabSheet1");
    parts.TabSheet2 = named(new QWidget, "TabSheet2");
    buildToolBar(parts);

    parts.ScrollBox1 = scrollBox(parts.TabSheet1, "ScrollBox1");
    auto *images = new QVBoxLayout(parts.TabSheet1);
    images->setContentsMargins(0, 0, 0, 0);
    images->setSpacing(0);
    images->addWidget(parts.Panel1);
    images->addWidget(parts.ScrollBox1, 1);

    parts.ScrollBox2 = scrollBox(parts.TabSheet2, "ScrollBox2");
    auto *fonts = new QVBoxLayout(parts.TabSheet2);
    fonts->setContentsMargins(0, 0, 0, 0);
    fonts->setSpacing(0);
    fonts->addWidget(parts.ScrollBox2, 1);

    parts.PageControl1->addTab(parts.TabSheet1, QCoreApplication::translate("TForm1", "Images Workshop"));
    parts.PageControl1->addTab(parts.TabSheet2, QCoreApplication::translate("TForm1", "Fonts Workshop"));
    parts.PageControl1->setCurrentIndex(0);

    // The focus frames are the first children of their pages, beneath every cell.
    parts.Focusrect = named(new TFilledRect(QColor(216, 228, 248), QColor(166, 202, 240),
                                            parts.ScrollBox1->content()),
                            "Focusrect");
    parts.Focusrect->setGeometry(2000, 2, 104, 121);
    parts.Focus2 = named(new TFilledRect(QColor(224, 237, 224), QColor(192, 220, 192), parts.ScrollBox2->content()),
                         "Focus2");
    parts.Focus2->setGeometry(7, 2, 262, 277);
}

void buildPopup(QWidget *form, MainWindowParts &parts)
{
    parts.Popup1 = named(new QMenu(form), "Popup1");
    parts.Loadimagefromatgafile1 = named(parts.Popup1->addAction(QCoreApplication::translate("TForm1", "Load image from a .tga file")),
                                         "Loadimagefromatgafile1");
    parts.Savetoatgafile1 = named(parts.Popup1->addAction(QCoreApplication::translate("TForm1", "Save image to a .tga file")),
                                  "Savetoatgafile1");
    // The captions name .tga, the program's own format; the tips say that .png works too.
    parts.Popup1->setToolTipsVisible(true);
    parts.Loadimagefromatgafile1->setToolTip(QCoreApplication::translate("TForm1", "Takes a .tga or .png file in place of the picture"));
    parts.Savetoatgafile1->setToolTip(QCoreApplication::translate("TForm1", "Saves the picture as a .tga or .png file"));
    parts.Popup1->addSeparator();
    parts.Loadallfromfolder1 = named(parts.Popup1->addAction(ProgramTexts::LoadAllImages()), "Loadallfromfolder1");
    parts.Popup1->addSeparator();
    parts.Revertfile1 = named(parts.Popup1->addAction(ProgramTexts::RevertItem()), "Revertfile1");
    parts.Restoreoriginal1 = named(parts.Popup1->addAction(ProgramTexts::RestoreItem()), "Restoreoriginal1");
    parts.Popup1->addSeparator();
    parts.Editinimageeditor1 = named(parts.Popup1->addAction(ProgramTexts::EditItem()), "Editinimageeditor1");
    parts.Chooseimageeditor1 = named(parts.Popup1->addAction(ProgramTexts::ChooseEditorItem()), "Chooseimageeditor1");
    parts.Popup1->addSeparator();
    parts.Undo1 = named(parts.Popup1->addAction(ProgramTexts::UndoItem()), "Undo1");
    parts.Undo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    parts.Redo1 = named(parts.Popup1->addAction(ProgramTexts::RedoItem()), "Redo1");
    parts.Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The shortcuts work wherever the window has the focus, not only in the open menu.
    form->addActions({parts.Undo1, parts.Redo1});
    parts.Popup1->addSeparator();
    parts.Savemodpackage1 = named(parts.Popup1->addAction(ProgramTexts::SaveModItem()), "Savemodpackage1");
    parts.Installmod1 = named(parts.Popup1->addAction(ProgramTexts::InstallModItem()), "Installmod1");
    parts.Installedmods1 = named(parts.Popup1->addAction(ProgramTexts::InstalledModsItem()), "Installedmods1");
}

} // namespace

MainWindowParts build(QWidget *form)
{
    MainWindowParts parts;
    form->setWindowTitle(QStringLiteral("Tessary"));
    // The small sans-serif text the layout was designed for: 8 points, 13-pixel lines at 96 dpi.
    // Outline fonts only: "MS Sans Serif" is a bitmap font (sserife.fon, on Windows and in Wine),
    // whose one-pixel-wide glyphs ("I", ":") Qt's GDI font engine leaves out at this size;
    // "Microsoft Sans Serif" is the outline version. Where it is missing (under Wine), Windows
    // asks for faces drawn whole at this size: Tahoma (Windows' and Wine's own), Segoe UI, then
    // DejaVu Sans, which Wine finds among a Linux host's fonts when it has no Tahoma; never
    // Liberation Sans, whose "I" and "!" Qt leaves out there. The system's face comes last: under
    // a Wine without Tahoma it is whatever serif the host maps it to.
    QFont small = form->font();
#ifdef Q_OS_WIN
    small.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Segoe UI"),
                       QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"), small.family()});
#else
    small.setFamilies({QStringLiteral("Microsoft Sans Serif"),
                       QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                       QStringLiteral("DejaVu Sans Condensed"), small.family()});
#endif
    small.setPixelSize(SmallTextPixels);
    form->setFont(small);
    form->setBackgroundRole(QPalette::Button);
    buildTopPanel(form, parts);
    buildPages(form, parts);
    buildPopup(form, parts);
    // Now that every component has the window's font.
    fitTopPanel(parts);
    fitToolBar(parts);

    auto *column = new QVBoxLayout(form);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(parts.TopPanel);
    column->addWidget(parts.PageControl1, 1);
    // The window's only limit is its width; the layout would add a height its pages don't need.
    column->setSizeConstraint(QLayout::SetNoConstraint);

    // Where texts have pushed the controls on, the window is at least as wide as they need.
    const int toolBarWidth = parts.SpinSize->geometry().right() + 1 + ToolBarGap + PageFrameWidth;
    const int topPanelWidth = parts.LMDChangePath->geometry().right() + 1 + TopPanelGap;
    form->setMinimumWidth(std::max({MinimumClientWidth, toolBarWidth, topPanelWidth}));
    form->resize(InitialClientSize.expandedTo(QSize(form->minimumWidth(), 0)));
    return parts;
}

void setLabelText(QLabel *label, const QString &text)
{
    TextRoom::setLabelText(label, text);
}

} // namespace MainWindowLayout
