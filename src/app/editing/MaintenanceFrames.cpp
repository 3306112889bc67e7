#include "MaintenancePanel.h"

#include "shell/Pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// The three frames of the maintenance tab: their fields, labels and
// buttons, and how they are laid out.
namespace arvenna {

namespace {
template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* readOnlyField(QWidget* parent, const char* name)
{
    auto* field = named(new QLineEdit(parent), name);
    field->setReadOnly(true);
    return field;
}

QLabel* fieldLabel(const QString& text, QWidget* parent, const char* name)
{
    return named(new QLabel(text, parent), name);
}

QPushButton* pictureButton(const QString& text, const QString& programDirectory, const QString& picture,
                           QWidget* parent, const char* name)
{
    return named(new QPushButton(programIcon(programDirectory, picture), text, parent), name);
}

// A label and its field side by side on a row of a frame's grid.
void addFieldRow(QGridLayout* grid, int row, QWidget* label, QWidget* field)
{
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

// A frame's Update and Delete buttons side by side under its fields.
void addButtonRow(QGridLayout* grid, int row, QPushButton* update, QPushButton* remove)
{
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(update);
    buttons->addWidget(remove);
    grid->addLayout(buttons, row, 0, 1, 2);
}

const QString kUpdatePicture = QStringLiteral("book1.gif");
const QString kDeletePicture = QStringLiteral("GreyBkskull.ico");
} // namespace

QGroupBox* MaintenancePanel::buildProvinceFrame(QWidget* page, const QString& programDirectory)
{
    auto* province = named(new QGroupBox(QStringLiteral("Province"), page), "FrmProvince");
    OutProvinceCoord = readOnlyField(province, "OutProvinceCoord");
    TxtProvName = named(new QLineEdit(province), "TxtProvName");
    TxtPeasants = named(new QLineEdit(province), "TxtPeasants");
    CmbProvTerrain = named(new QComboBox(province), "CmbProvTerrain");
    CmbProvContinent = named(new QComboBox(province), "CmbProvContinent");
    CmbProvRuller = named(new QComboBox(province), "CmbProvRuller");
    CmdUpdProv = pictureButton(QStringLiteral("Update"), programDirectory, kUpdatePicture, province, "CmdUpdProv");
    CmdDelProv = pictureButton(QStringLiteral("Delete"), programDirectory, kDeletePicture, province, "CmdDelProv");
    QLabel* provinceLabels[] = {
        fieldLabel(QStringLiteral("Name"), province, "LblField101"),
        fieldLabel(QStringLiteral("Peasants"), province, "LblField102"),
        fieldLabel(QStringLiteral("Terrain"), province, "LblField103"),
        fieldLabel(QStringLiteral("Region"), province, "LblField104"),
    };
    auto* provinceGrid = new QGridLayout(province);
    addFieldRow(provinceGrid, 0, new QLabel(QStringLiteral("Province"), province), OutProvinceCoord);
    addFieldRow(provinceGrid, 1, provinceLabels[0], TxtProvName);
    addFieldRow(provinceGrid, 2, provinceLabels[1], TxtPeasants);
    addFieldRow(provinceGrid, 3, provinceLabels[2], CmbProvTerrain);
    addFieldRow(provinceGrid, 4, provinceLabels[3], CmbProvContinent);
    addFieldRow(provinceGrid, 5, new QLabel(QStringLiteral("Ruler"), province), CmbProvRuller);
    addButtonRow(provinceGrid, 6, CmdUpdProv, CmdDelProv);
    editingInputs_ << TxtProvName << TxtPeasants << CmbProvTerrain << CmbProvContinent << CmbProvRuller << CmdUpdProv
                   << CmdDelProv;
    for (QLabel* label : provinceLabels)
        editingInputs_ << label;
    return province;
}

QGroupBox* MaintenancePanel::buildCityFrame(QWidget* page, const QString& programDirectory)
{
    auto* city = named(new QGroupBox(QStringLiteral("City"), page), "FrmCity");
    OutLocalCoord = readOnlyField(city, "OutLocalCoord");
    TxLocalID = readOnlyField(city, "TxLocalID");
    TxLocalID->hide();
    TxLocalNo = named(new QLineEdit(city), "TxLocalNo");
    TxLocalName = named(new QLineEdit(city), "TxLocalName");
    LblLocalName1 = named(new QLabel(city), "LblLocalName1");
    CmbLocalType = named(new QComboBox(city), "CmbLocalType");
    ChkSafeHeaven = named(new QCheckBox(QStringLiteral("Safe Haven"), city), "ChkSafeHeaven");
    LstLocalSkill = named(new QListWidget(city), "LstLocalSkill");
    LstLocalSkill->setSelectionMode(QAbstractItemView::MultiSelection);
    CmdLocalUpd = pictureButton(QStringLiteral("Update"), programDirectory, kUpdatePicture, city, "CmdLocalUpd");
    CmdDeleteLocal = pictureButton(QStringLiteral("Delete"), programDirectory, kDeletePicture, city, "CmdDeleteLocal");
    QLabel* cityLabels[] = {
        fieldLabel(QStringLiteral("Number"), city, "LblField201"),
        fieldLabel(QStringLiteral("Name"), city, "LblField202"),
        fieldLabel(QStringLiteral("Type"), city, "LblField203"),
    };
    auto* cityGrid = new QGridLayout(city);
    addFieldRow(cityGrid, 0, new QLabel(QStringLiteral("Province"), city), OutLocalCoord);
    cityGrid->addWidget(LblLocalName1, 1, 0, 1, 2);
    addFieldRow(cityGrid, 2, cityLabels[0], TxLocalNo);
    addFieldRow(cityGrid, 3, cityLabels[1], TxLocalName);
    addFieldRow(cityGrid, 4, cityLabels[2], CmbLocalType);
    cityGrid->addWidget(ChkSafeHeaven, 5, 1);
    cityGrid->addWidget(new QLabel(QStringLiteral("Skills taught"), city), 6, 0, 1, 2);
    cityGrid->addWidget(LstLocalSkill, 7, 0, 1, 2);
    addButtonRow(cityGrid, 8, CmdLocalUpd, CmdDeleteLocal);
    editingInputs_ << TxLocalNo << TxLocalName << CmbLocalType << ChkSafeHeaven << CmdLocalUpd << CmdDeleteLocal;
    for (QLabel* label : cityLabels)
        editingInputs_ << label;
    return city;
}

QGroupBox* MaintenancePanel::buildInnerFrame(QWidget* page, const QString& programDirectory)
{
    auto* inner = named(new QGroupBox(QStringLiteral("Inner Location"), page), "FrmInner");
    OutInnerCoord = readOnlyField(inner, "OutInnerCoord");
    LstInner = named(new QListWidget(inner), "LstInner");
    TxInnerID = readOnlyField(inner, "TxInnerID");
    TxInnerID->hide();
    InInnerNo = named(new QLineEdit(inner), "InInnerNo");
    InInnerName = named(new QLineEdit(inner), "InInnerName");
    CmbInnerType = named(new QComboBox(inner), "CmbInnerType");
    TxInnerEntrSize = named(new QLineEdit(inner), "TxInnerEntrSize");
    TxInnerTravTime = named(new QLineEdit(inner), "TxInnerTravTime");
    CkInnerHidden = named(new QCheckBox(QStringLiteral("Hidden"), inner), "CkInnerHidden");
    CkInnerClosed = named(new QCheckBox(QStringLiteral("Closed"), inner), "CkInnerClosed");
    CmdAddInner = pictureButton(QStringLiteral("Update"), programDirectory, kUpdatePicture, inner, "CmdAddInner");
    CmdDeleteInner = pictureButton(QStringLiteral("Delete"), programDirectory, kDeletePicture, inner, "CmdDeleteInner");
    QLabel* innerLabels[] = {
        fieldLabel(QStringLiteral("Number"), inner, "LblField301"),
        fieldLabel(QStringLiteral("Name"), inner, "LblField302"),
        fieldLabel(QStringLiteral("Type"), inner, "LblField303"),
    };
    auto* innerGrid = new QGridLayout(inner);
    addFieldRow(innerGrid, 0, new QLabel(QStringLiteral("Province"), inner), OutInnerCoord);
    innerGrid->addWidget(new QLabel(QStringLiteral("Inside"), inner), 1, 0, 1, 2);
    innerGrid->addWidget(LstInner, 2, 0, 1, 2);
    addFieldRow(innerGrid, 3, innerLabels[0], InInnerNo);
    addFieldRow(innerGrid, 4, innerLabels[1], InInnerName);
    addFieldRow(innerGrid, 5, innerLabels[2], CmbInnerType);
    addFieldRow(innerGrid, 6, new QLabel(QStringLiteral("Entrance size"), inner), TxInnerEntrSize);
    addFieldRow(innerGrid, 7, new QLabel(QStringLiteral("Travel days"), inner), TxInnerTravTime);
    auto* flags = new QHBoxLayout;
    flags->addWidget(CkInnerHidden);
    flags->addWidget(CkInnerClosed);
    innerGrid->addLayout(flags, 8, 0, 1, 2);
    addButtonRow(innerGrid, 9, CmdAddInner, CmdDeleteInner);
    editingInputs_ << InInnerNo << InInnerName << CmbInnerType << TxInnerEntrSize << TxInnerTravTime << CkInnerHidden
                   << CkInnerClosed << CmdAddInner << CmdDeleteInner;
    for (QLabel* label : innerLabels)
        editingInputs_ << label;
    return inner;
}

} // namespace arvenna
