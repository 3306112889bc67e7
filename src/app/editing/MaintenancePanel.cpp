#include "MaintenancePanel.h"

#include "editing/CityEditing.h"
#include "editing/InnerLocationEditing.h"
#include "editing/ProvinceEditing.h"
#include "model/ReferenceLists.h"
#include "view/ProvinceInfo.h"
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
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

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

// Position p of the names goes with position p of the ids.
void fillChoice(QComboBox* box, const ReferenceList& list)
{
    box->clear();
    for (qsizetype p = 0; p < list.names.size(); ++p)
        box->addItem(list.names.at(p), list.ids.value(p));
    box->setCurrentIndex(list.selected);
}

QPushButton* pictureButton(const QString& text, const QString& programDirectory, const QString& picture,
                           QWidget* parent, const char* name)
{
    auto* button = named(new QPushButton(programIcon(programDirectory, picture), text, parent), name);
    return button;
}
} // namespace

MaintenancePanel::MaintenancePanel(const QString& programDirectory, QWidget* parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("TabMaintain"));
    auto* page = new QWidget;
    const QString update = QStringLiteral("book1.gif");
    const QString remove = QStringLiteral("GreyBkskull.ico");

    auto* province = named(new QGroupBox(QStringLiteral("Province"), page), "FrmProvince");
    OutProvinceCoord = readOnlyField(province, "OutProvinceCoord");
    TxtProvName = named(new QLineEdit(province), "TxtProvName");
    TxtPeasants = named(new QLineEdit(province), "TxtPeasants");
    CmbProvTerrain = named(new QComboBox(province), "CmbProvTerrain");
    CmbProvContinent = named(new QComboBox(province), "CmbProvContinent");
    CmbProvRuller = named(new QComboBox(province), "CmbProvRuller");
    CmdUpdProv = pictureButton(QStringLiteral("Update"), programDirectory, update, province, "CmdUpdProv");
    CmdDelProv = pictureButton(QStringLiteral("Delete"), programDirectory, remove, province, "CmdDelProv");
    QLabel* provinceLabels[] = {
        fieldLabel(QStringLiteral("Name"), province, "LblField101"),
        fieldLabel(QStringLiteral("Peasants"), province, "LblField102"),
        fieldLabel(QStringLiteral("Terrain"), province, "LblField103"),
        fieldLabel(QStringLiteral("Region"), province, "LblField104"),
    };
    auto* provinceGrid = new QGridLayout(province);
    provinceGrid->addWidget(new QLabel(QStringLiteral("Province"), province), 0, 0);
    provinceGrid->addWidget(OutProvinceCoord, 0, 1);
    provinceGrid->addWidget(provinceLabels[0], 1, 0);
    provinceGrid->addWidget(TxtProvName, 1, 1);
    provinceGrid->addWidget(provinceLabels[1], 2, 0);
    provinceGrid->addWidget(TxtPeasants, 2, 1);
    provinceGrid->addWidget(provinceLabels[2], 3, 0);
    provinceGrid->addWidget(CmbProvTerrain, 3, 1);
    provinceGrid->addWidget(provinceLabels[3], 4, 0);
    provinceGrid->addWidget(CmbProvContinent, 4, 1);
    provinceGrid->addWidget(new QLabel(QStringLiteral("Ruler"), province), 5, 0);
    provinceGrid->addWidget(CmbProvRuller, 5, 1);
    auto* provinceButtons = new QHBoxLayout;
    provinceButtons->addWidget(CmdUpdProv);
    provinceButtons->addWidget(CmdDelProv);
    provinceGrid->addLayout(provinceButtons, 6, 0, 1, 2);

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
    CmdLocalUpd = pictureButton(QStringLiteral("Update"), programDirectory, update, city, "CmdLocalUpd");
    CmdDeleteLocal = pictureButton(QStringLiteral("Delete"), programDirectory, remove, city, "CmdDeleteLocal");
    QLabel* cityLabels[] = {
        fieldLabel(QStringLiteral("Number"), city, "LblField201"),
        fieldLabel(QStringLiteral("Name"), city, "LblField202"),
        fieldLabel(QStringLiteral("Type"), city, "LblField203"),
    };
    auto* cityGrid = new QGridLayout(city);
    cityGrid->addWidget(new QLabel(QStringLiteral("Province"), city), 0, 0);
    cityGrid->addWidget(OutLocalCoord, 0, 1);
    cityGrid->addWidget(LblLocalName1, 1, 0, 1, 2);
    cityGrid->addWidget(cityLabels[0], 2, 0);
    cityGrid->addWidget(TxLocalNo, 2, 1);
    cityGrid->addWidget(cityLabels[1], 3, 0);
    cityGrid->addWidget(TxLocalName, 3, 1);
    cityGrid->addWidget(cityLabels[2], 4, 0);
    cityGrid->addWidget(CmbLocalType, 4, 1);
    cityGrid->addWidget(ChkSafeHeaven, 5, 1);
    cityGrid->addWidget(new QLabel(QStringLiteral("Skills taught"), city), 6, 0, 1, 2);
    cityGrid->addWidget(LstLocalSkill, 7, 0, 1, 2);
    auto* cityButtons = new QHBoxLayout;
    cityButtons->addWidget(CmdLocalUpd);
    cityButtons->addWidget(CmdDeleteLocal);
    cityGrid->addLayout(cityButtons, 8, 0, 1, 2);

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
    CmdAddInner = pictureButton(QStringLiteral("Update"), programDirectory, update, inner, "CmdAddInner");
    CmdDeleteInner = pictureButton(QStringLiteral("Delete"), programDirectory, remove, inner, "CmdDeleteInner");
    QLabel* innerLabels[] = {
        fieldLabel(QStringLiteral("Number"), inner, "LblField301"),
        fieldLabel(QStringLiteral("Name"), inner, "LblField302"),
        fieldLabel(QStringLiteral("Type"), inner, "LblField303"),
    };
    auto* innerGrid = new QGridLayout(inner);
    innerGrid->addWidget(new QLabel(QStringLiteral("Province"), inner), 0, 0);
    innerGrid->addWidget(OutInnerCoord, 0, 1);
    innerGrid->addWidget(new QLabel(QStringLiteral("Inside"), inner), 1, 0, 1, 2);
    innerGrid->addWidget(LstInner, 2, 0, 1, 2);
    innerGrid->addWidget(innerLabels[0], 3, 0);
    innerGrid->addWidget(InInnerNo, 3, 1);
    innerGrid->addWidget(innerLabels[1], 4, 0);
    innerGrid->addWidget(InInnerName, 4, 1);
    innerGrid->addWidget(innerLabels[2], 5, 0);
    innerGrid->addWidget(CmbInnerType, 5, 1);
    innerGrid->addWidget(new QLabel(QStringLiteral("Entrance size"), inner), 6, 0);
    innerGrid->addWidget(TxInnerEntrSize, 6, 1);
    innerGrid->addWidget(new QLabel(QStringLiteral("Travel days"), inner), 7, 0);
    innerGrid->addWidget(TxInnerTravTime, 7, 1);
    auto* flags = new QHBoxLayout;
    flags->addWidget(CkInnerHidden);
    flags->addWidget(CkInnerClosed);
    innerGrid->addLayout(flags, 8, 0, 1, 2);
    auto* innerButtons = new QHBoxLayout;
    innerButtons->addWidget(CmdAddInner);
    innerButtons->addWidget(CmdDeleteInner);
    innerGrid->addLayout(innerButtons, 9, 0, 1, 2);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(province);
    layout->addWidget(city);
    layout->addWidget(inner, 1);
    // The three frames are taller than a small screen: let them scroll.
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(page);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    addTab(scroller, QStringLiteral("Map Maintenance"));

    editingInputs_ = {TxtProvName, TxtPeasants, CmbProvTerrain, CmbProvContinent, CmbProvRuller, CmdUpdProv, CmdDelProv,
                      TxLocalNo, TxLocalName, CmbLocalType, ChkSafeHeaven, CmdLocalUpd, CmdDeleteLocal,
                      InInnerNo, InInnerName, CmbInnerType, TxInnerEntrSize, TxInnerTravTime, CkInnerHidden,
                      CkInnerClosed, CmdAddInner, CmdDeleteInner};
    for (QLabel* label : provinceLabels)
        editingInputs_ << label;
    for (QLabel* label : cityLabels)
        editingInputs_ << label;
    for (QLabel* label : innerLabels)
        editingInputs_ << label;
    emitCommands();
}

void MaintenancePanel::emitCommands()
{
    connect(CmdUpdProv, &QPushButton::clicked, this, [this] { emit provinceUpdatePressed(provinceFrame()); });
    connect(CmdDelProv, &QPushButton::clicked, this, &MaintenancePanel::provinceDeletePressed);
    connect(CmdLocalUpd, &QPushButton::clicked, this, [this] { emit cityUpdatePressed(cityFrame()); });
    connect(CmdDeleteLocal, &QPushButton::clicked, this, &MaintenancePanel::cityDeletePressed);
    connect(CmdAddInner, &QPushButton::clicked, this,
            [this] { emit innerUpdatePressed(innerFrame(), pickedInnerLine()); });
    connect(CmdDeleteInner, &QPushButton::clicked, this, [this] { emit innerDeletePressed(innerFrame()); });
    connect(LstInner, &QListWidget::currentRowChanged, this, [this] { emit innerLinePicked(pickedInnerLine()); });
}

void MaintenancePanel::setEditingInputs(bool enabled)
{
    for (QWidget* widget : editingInputs_)
        widget->setEnabled(enabled);
}

void MaintenancePanel::clearFields()
{
    for (QLineEdit* field : {OutProvinceCoord, TxtProvName, TxtPeasants, OutLocalCoord, TxLocalID, TxLocalNo, TxLocalName,
                             OutInnerCoord, TxInnerID, InInnerNo, InInnerName, TxInnerEntrSize, TxInnerTravTime})
        field->clear();
    LblLocalName1->clear();
    LstLocalSkill->clear();
    LstInner->clear();
}

void MaintenancePanel::showReferenceLists(const ReferenceLists& lists)
{
    fillChoice(CmbProvContinent, lists.ProvContinent);
    fillChoice(CmbProvTerrain, lists.ProvTerrain);
    fillChoice(CmbLocalType, lists.LocalType);
    fillChoice(CmbInnerType, lists.InnerType);
    fillChoice(CmbProvRuller, lists.ProvRuller);
    LstLocalSkill->clear();
    for (qsizetype p = 0; p < lists.LocalSkill.names.size(); ++p) {
        auto* item = new QListWidgetItem(lists.LocalSkill.names.at(p), LstLocalSkill);
        item->setData(Qt::UserRole, lists.LocalSkill.ids.value(p));
    }
}


void MaintenancePanel::showProvince(const ProvinceInfo& info)
{
    for (QLineEdit* field : {OutProvinceCoord, OutLocalCoord, OutInnerCoord})
        field->setText(info.coordinateText);
    TxtProvName->setText(info.TxtProvName);
    TxtPeasants->setText(info.TxtPeasants);
    CmbProvContinent->setCurrentIndex(info.CmbProvContinent);
    CmbProvTerrain->setCurrentIndex(info.CmbProvTerrain);
    CmbProvRuller->setCurrentIndex(info.CmbProvRuller);
    TxLocalID->setText(info.TxLocalID);
    TxLocalNo->setText(info.TxLocalNo);
    TxLocalName->setText(info.TxLocalName);
    LblLocalName1->setText(info.LblLocalName1);
    ChkSafeHeaven->setChecked(info.ChkSafeHeaven);
    CmbLocalType->setCurrentIndex(info.CmbLocalType);
    LstLocalSkill->clearSelection();
    for (int position : info.LstLocalSkill) {
        if (QListWidgetItem* item = LstLocalSkill->item(position))
            item->setSelected(true);
    }
    LstInner->clear();
    for (qsizetype p = 0; p < info.LstInner.size(); ++p) {
        auto* item = new QListWidgetItem(info.LstInner.at(p), LstInner);
        item->setData(Qt::UserRole, info.LstInnerCodes.value(p));
    }
    LstInner->setCurrentRow(info.LstInnerSelected);
}


void MaintenancePanel::showInnerLocation(const InnerLocationFrame& frame)
{
    TxInnerID->setText(frame.id);
    InInnerNo->setText(frame.number);
    InInnerName->setText(frame.name);
    TxInnerEntrSize->setText(frame.entranceSize);
    TxInnerTravTime->setText(frame.travelTime);
    CkInnerHidden->setChecked(frame.hidden);
    CkInnerClosed->setChecked(frame.closed);
    CmbInnerType->setCurrentIndex(std::max(0, frame.typePosition));
}

ProvinceFrame MaintenancePanel::provinceFrame() const
{
    return {TxtProvName->text(), TxtPeasants->text(), CmbProvTerrain->currentIndex(), CmbProvContinent->currentIndex(),
            CmbProvRuller->currentIndex()};
}

CityFrame MaintenancePanel::cityFrame() const
{
    CityFrame frame{TxLocalNo->text(), TxLocalName->text(), CmbLocalType->currentIndex(), ChkSafeHeaven->isChecked(),
                    {}, LstLocalSkill->currentRow()};
    for (int position = 0; position < LstLocalSkill->count(); ++position) {
        if (LstLocalSkill->item(position)->isSelected())
            frame.skillPositions << position;
    }
    return frame;
}

InnerLocationFrame MaintenancePanel::innerFrame() const
{
    InnerLocationFrame frame;
    frame.id = TxInnerID->text();
    frame.number = InInnerNo->text();
    frame.name = InInnerName->text();
    frame.entranceSize = TxInnerEntrSize->text();
    frame.travelTime = TxInnerTravTime->text();
    frame.hidden = CkInnerHidden->isChecked();
    frame.closed = CkInnerClosed->isChecked();
    frame.typePosition = CmbInnerType->currentIndex();
    return frame;
}

QString MaintenancePanel::pickedInnerLine() const
{
    const QListWidgetItem* picked = LstInner->currentItem();
    return picked ? picked->data(Qt::UserRole).toString() : QString();
}

} // namespace arvenna
