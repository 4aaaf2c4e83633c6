#pragma once

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QWidget;
class TChannelToggle;
class TFilledRect;
class TPageControl;
class TPushButton;
class TScrollBox;
class TSpinSize;

// The components of the main window, each named as its object name.
struct MainWindowParts {
    QFrame *TopPanel = nullptr;
    TPushButton *LMDApplyAll = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    TPushButton *LMDChangePath = nullptr;
    TPageControl *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QFrame *Panel1 = nullptr;
    TPushButton *LMDSaveAll = nullptr;
    QLabel *LabelSize = nullptr;
    QLabel *SizeLabel = nullptr;
    TChannelToggle *PanelChannels = nullptr;
    QLabel *LabelThumb = nullptr;
    TSpinSize *SpinSize = nullptr;
    TScrollBox *ScrollBox1 = nullptr;
    TScrollBox *ScrollBox2 = nullptr;
    TFilledRect *Focusrect = nullptr;
    TFilledRect *Focus2 = nullptr;
    QMenu *Popup1 = nullptr;
    QAction *Loadimagefromatgafile1 = nullptr;
    QAction *Savetoatgafile1 = nullptr;
    QAction *Loadallfromfolder1 = nullptr;
    QAction *Revertfile1 = nullptr;
    QAction *Restoreoriginal1 = nullptr;
    QAction *Editinimageeditor1 = nullptr;
    QAction *Chooseimageeditor1 = nullptr;
    QAction *Undo1 = nullptr;
    QAction *Redo1 = nullptr;
    QAction *Savemodpackage1 = nullptr;
    QAction *Installmod1 = nullptr;
    QAction *Installedmods1 = nullptr;
};
