#include "drop_target.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "picture_control.h"
#include "scroll_box.h"

namespace {

QStringList localFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            paths << QDir::toNativeSeparators(url.toLocalFile());
    return paths;
}

} // namespace

PageDropTarget::PageDropTarget(TScrollBox *box) : QObject(box), m_box(box)
{
    for (QWidget *widget : {box->viewport(), box->content()}) {
        widget->setAcceptDrops(true);
        widget->installEventFilter(this);
    }
}

bool PageDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (localFiles(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = localFiles(drop->mimeData());
        if (paths.isEmpty())
            return true;
        drop->acceptProposedAction();
        const QPoint at = m_box->content()->mapFrom(static_cast<QWidget *>(watched), drop->position().toPoint());
        emit filesDropped(paths, qobject_cast<TPicture *>(m_box->content()->childAt(at)));
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
