#include "core/TabControl.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include <algorithm>

namespace {

// Tabs as low as the pages expect: the pages sit right under the row, and a
// style's roomier tabs would hide their top.
class CompactTabBar final : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        size.setHeight(TabControl::kTabRowHeight);
        return size;
    }
    QSize minimumTabSizeHint(int index) const override
    {
        QSize size = QTabBar::minimumTabSizeHint(index);
        size.setHeight(TabControl::kTabRowHeight);
        return size;
    }
};

} // namespace

TabControl::TabControl(QWidget* parent) : QWidget(parent), m_bar(new CompactTabBar(this))
{
    m_bar->setIconSize(QSize(16, 16));
    m_bar->setExpanding(false);
    m_bar->setElideMode(Qt::ElideNone);
    m_bar->setUsesScrollButtons(true);
    m_bar->setDrawBase(false);
    connect(m_bar, &QTabBar::currentChanged, this, &TabControl::onCurrentChanged);
}

void TabControl::SetImageList(std::vector<QIcon> images)
{
    m_images = std::move(images);
}

int TabControl::InsertItem(int position, const QString& caption, int image)
{
    const QIcon icon =
        image >= 0 && image < static_cast<int>(m_images.size()) ? m_images[image] : QIcon();
    m_selectingFromCode = true;
    const int index = m_bar->insertTab(position, icon, caption);
    m_selectingFromCode = false;
    m_current = m_bar->currentIndex();
    return index;
}

void TabControl::SetItemText(int position, const QString& caption)
{
    m_bar->setTabText(position, caption);
}

QString TabControl::GetItemText(int position) const
{
    return m_bar->tabText(position);
}

void TabControl::SetItemData(int position, QWidget* page)
{
    m_bar->setTabData(position, QVariant::fromValue(static_cast<QObject*>(page)));
}

QWidget* TabControl::GetItemData(int position) const
{
    return qobject_cast<QWidget*>(m_bar->tabData(position).value<QObject*>());
}

int TabControl::GetItemCount() const
{
    return m_bar->count();
}

int TabControl::GetCurSel() const
{
    return m_bar->currentIndex();
}

int TabControl::SetCurSel(int position)
{
    const int previous = m_bar->currentIndex();
    if (position < 0 || position >= m_bar->count())
        return -1;
    m_selectingFromCode = true;
    m_bar->setCurrentIndex(position);
    m_selectingFromCode = false;
    m_current = position;
    return previous;
}

void TabControl::onCurrentChanged(int index)
{
    const int previous = m_current;
    m_current = index;
    if (m_selectingFromCode)
        return;
    Q_EMIT selChanging(previous);
    Q_EMIT selChange(index);
}

void TabControl::resizeEvent(QResizeEvent*)
{
    m_bar->setGeometry(0, 0, width(), kTabRowHeight);
}

void TabControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, kTabRowHeight - 1, width(), height() - kTabRowHeight + 1);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = m_bar->sizeHint();
    frame.tabBarRect = m_bar->geometry();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);

    // The pages' pictures are a few pixels smaller than the pane: a pale mat
    // with a fine line round the page frames them evenly instead of leaving a
    // white gutter along two sides.
    painter.fillRect(PaneRect(), QColor(0xe2, 0xea, 0xf4));
    painter.setPen(QColor(0xb4, 0xc4, 0xd8));
    painter.setBrush(Qt::NoBrush);
    for (const QWidget* page : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (page != m_bar && page->isVisible())
            painter.drawRect(page->geometry().adjusted(-1, -1, 0, 0));
    }
}

QRect TabControl::PaneRect() const
{
    return QRect(1, kTabRowHeight, width() - 2, height() - kTabRowHeight - 1);
}

QPoint TabControl::PageOrigin(QSize pageSize) const
{
    const QRect pane = PaneRect();
    return pane.topLeft() + QPoint(std::max(pane.width() - pageSize.width(), 0) / 2,
                                   std::max(pane.height() - pageSize.height(), 0) / 2);
}
