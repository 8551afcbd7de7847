#pragma once

#include <QIcon>
#include <QWidget>

#include <vector>

class QTabBar;

// A row of tabs over a framed pane, with the pages as the control's own
// children placed by their owner. Each tab carries the page shown under it.
// Selecting a tab from code tells nobody, so the owner switches the pages
// itself; a tab the user picks is announced twice: first that the current tab
// is about to be left, then which tab is now selected.
class TabControl final : public QWidget {
    Q_OBJECT
public:
    // The height of the row of tabs; the pages start just below it.
    static constexpr int kTabRowHeight = 21;

    explicit TabControl(QWidget* parent);

    // The pictures the tabs refer to by index.
    void SetImageList(std::vector<QIcon> images);
    // Inserts a tab before the given position; returns where it went.
    int InsertItem(int position, const QString& caption, int image);
    void SetItemText(int position, const QString& caption);
    QString GetItemText(int position) const;
    void SetItemData(int position, QWidget* page);
    QWidget* GetItemData(int position) const;
    int GetItemCount() const;
    // -1 when no tab is selected.
    int GetCurSel() const;
    // Selects a tab without any notification; returns the previous selection.
    int SetCurSel(int position);

    QTabBar* tabBar() const { return m_bar; }

    // The inside of the pane under the tabs, within its border.
    QRect PaneRect() const;
    // Where a page of that size goes: in the middle of the pane, so the mat
    // the pane shows round a page smaller than itself is even on every side.
    QPoint PageOrigin(QSize pageSize) const;

Q_SIGNALS:
    // The user picked another tab and is leaving this one.
    void selChanging(int left);
    // The user's pick is now the selected tab.
    void selChange(int selected);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void onCurrentChanged(int index);

    QTabBar* m_bar;
    std::vector<QIcon> m_images;
    int m_current = -1;
    bool m_selectingFromCode = false;
};
