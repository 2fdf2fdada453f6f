#include "ui/NewMaterialDialog.h"

#include "ui_NewMaterialDialog.h"

#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"

#include <algorithm>

NewMaterialDialog::NewMaterialDialog(const KerfcraftPresets* presets, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::NewMaterialDialog>())
{
    ui->setupUi(this);
    if (presets) {
        QList<const Blade*> blades;
        for (const Blade* b : presets->blades())
            blades.append(b);
        auto german = [](const Blade* b) { return b->Names.value(QStringLiteral("de"), b->Name); };
        std::stable_sort(blades.begin(), blades.end(),
                         [&](const Blade* a, const Blade* b) { return german(a) < german(b); });
        for (const Blade* b : blades)
            ui->cbBlade->addItem(german(b), b->ID);
    }
    ui->cbBlade->setCurrentIndex(ui->cbBlade->count() > 0 ? 0 : -1);

    using SpinChanged = void (QSpinBox::*)(int);
    for (QSpinBox* box : {ui->sbGeschwindigkeit, ui->sbAndruck, ui->sbDurchgaenge})
        connect(box, static_cast<SpinChanged>(&QSpinBox::valueChanged), this,
                &NewMaterialDialog::onValueChanged);
    connect(ui->leName, &QLineEdit::textChanged, this, &NewMaterialDialog::onValueChanged);
    connect(ui->cbBlade, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &NewMaterialDialog::onValueChanged);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ui->leName->setFocus();
    onValueChanged();
}

NewMaterialDialog::~NewMaterialDialog() = default;

void NewMaterialDialog::onValueChanged()
{
    m_name = ui->leName->text();
    m_speed = ui->sbGeschwindigkeit->value();
    m_pressure = ui->sbAndruck->value();
    m_passes = ui->sbDurchgaenge->value();
    m_bladeId = ui->cbBlade->currentIndex() >= 0 ? ui->cbBlade->currentData().toInt() : -1;
}

MaterialParameters NewMaterialDialog::parameters() const
{
    MaterialParameters p;
    p.speed = m_speed;
    p.force = m_pressure;
    p.passages = m_passes;
    p.blade = m_bladeId;
    return p;
}
