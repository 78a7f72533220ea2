#pragma once
// The registers at a glance: each register's name and value as the display would show it, the
// full value on hover, the values that are not zero in bold; Ctrl+C copies the selected values.

#include <QLabel>
#include <QStandardItemModel>
#include <QWidget>

#include "engine/calculator_reading.h"
#include "shell/panels/copying_list_view.h"

namespace tabulor {

class RegisterView final : public QWidget {
    Q_OBJECT
  public:
    explicit RegisterView(QWidget* parent);

    CopyingListView* list() const { return list_; }
    QStandardItemModel* model() const { return model_; }
    void setZoom(int zoom);
    int widthAt(int zoom) const;
    // Shows the registers as they read now.
    void setReading(const CalculatorReading& reading);

  private:
    QStandardItemModel* model_;
    QLabel* title_;
    CopyingListView* list_;
    int zoom_ = 1;
};

}  // namespace tabulor
