#include "MaintenancePanel.h"

#include "editing/CityEditing.h"
#include "editing/InnerLocationEditing.h"
#include "editing/ProvinceEditing.h"
#include "model/ReferenceLists.h"
#include "view/ProvinceInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace arvenna {

namespace {
// Position p of the names goes with position p of the ids.
void fillChoice(QComboBox* box, const ReferenceList& list)
{
    box->clear();
    for (qsizetype p = 0; p < list.names.size(); ++p)
        box->addItem(list.names.at(p), list.ids.value(p));
    box->setCurrentIndex(list.selected);
}
} // namespace

MaintenancePanel::MaintenancePanel(const QString& programDirectory, QWidget* parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("TabMaintain"));
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buildProvinceFrame(page, programDirectory));
    layout->addWidget(buildCityFrame(page, programDirectory));
    layout->addWidget(buildInnerFrame(page, programDirectory), 1);
    // The three frames are taller than a small screen: let them scroll.
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(page);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    addTab(scroller, QStringLiteral("Map Maintenance"));
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
                    {}};
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
