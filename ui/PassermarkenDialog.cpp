#include "ui/PassermarkenDialog.h"

#include "ui_PassermarkenDialog.h"

bool PassermarkSettings::operator==(const PassermarkSettings& o) const
{
    return length == o.length && thickness == o.thickness && margin == o.margin
        && useHorSegmentMarks == o.useHorSegmentMarks && useVertSegmentMarks == o.useVertSegmentMarks
        && xStep == o.xStep && yStep == o.yStep;
}

PassermarkenDialog::PassermarkenDialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::PassermarkenDialog>())
{
    ui->setupUi(this);
    connect(ui->pushButtonMarkenEntfernen, &QPushButton::clicked, this,
            &PassermarkenDialog::deleteMarksClicked);
    connect(ui->pushButtonMarkenSetzen, &QPushButton::clicked, this,
            &PassermarkenDialog::setMarksClicked);
    connect(ui->pushButtonCancel, &QPushButton::clicked, this, &PassermarkenDialog::cancelClicked);
    connect(ui->checkBoxUseHorSegMarks, &QCheckBox::clicked, ui->spinBoxXStep, &QWidget::setEnabled);
    connect(ui->checkBoxUseVertSegMarks, &QCheckBox::clicked, ui->spinBoxYStep, &QWidget::setEnabled);
    setSettings(PassermarkSettings());
}

PassermarkenDialog::~PassermarkenDialog() = default;

int PassermarkenDialog::length() const { return ui->spinBoxLaenge->value(); }
int PassermarkenDialog::lineThickness() const { return ui->spinBoxStrichstaerke->value(); }
int PassermarkenDialog::distance() const { return ui->spinBoxAbstand->value(); }
int PassermarkenDialog::xStep() const { return ui->spinBoxXStep->value(); }
int PassermarkenDialog::yStep() const { return ui->spinBoxYStep->value(); }
bool PassermarkenDialog::useHorSegMarks() const { return ui->checkBoxUseHorSegMarks->isChecked(); }
bool PassermarkenDialog::useVertSegMarks() const { return ui->checkBoxUseVertSegMarks->isChecked(); }

PassermarkSettings PassermarkenDialog::settings() const
{
    PassermarkSettings s;
    s.length = length();
    s.thickness = lineThickness();
    s.margin = distance();
    s.useHorSegmentMarks = useHorSegMarks();
    s.useVertSegmentMarks = useVertSegMarks();
    s.xStep = xStep();
    s.yStep = yStep();
    return s;
}

void PassermarkenDialog::setSettings(const PassermarkSettings& s)
{
    ui->spinBoxLaenge->setValue(s.length);
    ui->spinBoxStrichstaerke->setValue(s.thickness);
    ui->spinBoxAbstand->setValue(s.margin);
    ui->checkBoxUseHorSegMarks->setChecked(s.useHorSegmentMarks);
    ui->checkBoxUseVertSegMarks->setChecked(s.useVertSegmentMarks);
    ui->spinBoxXStep->setValue(s.xStep);
    ui->spinBoxYStep->setValue(s.yStep);
    ui->spinBoxXStep->setEnabled(s.useHorSegmentMarks);
    ui->spinBoxYStep->setEnabled(s.useVertSegmentMarks);
}

void PassermarkenDialog::finish(Action action)
{
    m_action = action;
    close();
}

void PassermarkenDialog::deleteMarksClicked() { finish(DeleteMarks); }
void PassermarkenDialog::setMarksClicked() { finish(SetMarks); }
void PassermarkenDialog::cancelClicked() { finish(Cancel); }
