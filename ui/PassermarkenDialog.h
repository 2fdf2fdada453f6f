#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PassermarkenDialog;
}

// The registration-mark values a host plug-in draws its marks from.
struct PassermarkSettings {
    int length = 20;    // mm
    int thickness = 10; // 1/10 mm
    int margin = 15;    // mm between the marks and the artwork
    bool useHorSegmentMarks = false;
    bool useVertSegmentMarks = false;
    int xStep = 500; // mm between horizontal segment marks
    int yStep = 500; // mm between vertical segment marks

    bool operator==(const PassermarkSettings& o) const;
};

// Asks how the host should place registration marks: set them with these
// values, delete them, or leave the drawing alone. Closing the window by its
// frame counts as cancel.
class PassermarkenDialog : public QDialog
{
    Q_OBJECT
public:
    enum Action { Cancel = 0, SetMarks = 1, DeleteMarks = 2 };

    explicit PassermarkenDialog(QWidget* parent = nullptr);
    ~PassermarkenDialog() override;

    int action() const { return m_action; }
    int length() const;
    int lineThickness() const;
    int distance() const;
    int xStep() const;
    int yStep() const;
    bool useHorSegMarks() const;
    bool useVertSegMarks() const;

    PassermarkSettings settings() const;
    void setSettings(const PassermarkSettings& s);

private slots:
    void deleteMarksClicked();
    void setMarksClicked();
    void cancelClicked();

private:
    void finish(Action action);

    std::unique_ptr<Ui::PassermarkenDialog> ui;
    int m_action = Cancel;
};
