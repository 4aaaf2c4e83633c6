#pragma once

#include <QObject>
#include <QStringList>

class TPicture;
class TScrollBox;

// Takes files and folders dropped from a file manager on a page of pictures: the page's whole
// visible area accepts them, and a drop reports the picture it fell on, if any.
class PageDropTarget : public QObject {
    Q_OBJECT
public:
    // Accepts drops on box (its visible area and its cells); the target belongs to box.
    explicit PageDropTarget(TScrollBox *box);

signals:
    // Local files or folders were dropped; onto is the picture under the drop, or null.
    void filesDropped(const QStringList &paths, TPicture *onto);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TScrollBox *m_box;
};
