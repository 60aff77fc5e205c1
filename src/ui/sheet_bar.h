// The report window's sheet controls: a menu and a small toolbar with 打印…, 打印预览…, 导出PDF…
// and 导出设备表…, and the title block's fields (工程名称, 设计, 校核, 日期), which go straight
// into the session so that printing and saving the design both use them.
#pragma once

#include <QWidget>

#include <QMenuBar>

namespace dtii {

class DesignerSession;

class SheetBar : public QWidget {
    Q_OBJECT
public:
    SheetBar(DesignerSession& session, QWidget* window);

    // The menu bar, for the window's layout to put on top.
    QMenuBar* menuBar() const { return menuBar_; }

    // Printing and exporting are offered only while the report matches the design.
    void offerSheet(bool offered);

private:
    QWidget* buildProjectFields();

    DesignerSession& session_;
    QMenuBar* menuBar_ = nullptr;
    QList<QAction*> sheetActions_;
};

}  // namespace dtii
