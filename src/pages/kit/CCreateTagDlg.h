#pragma once
// Creates one tag of the tag table (template 210), in two ways:
// - from a definition, never shown: construct with the definition and call AddTagToProject;
// - modally for a profile: the user picks slot, resource type, channel, direction and resource
//   item among the channel kinds the caller's selectors allow, names the tag and gives an alias;
//   OK creates it and GetCreatedTagName() tells its name.

#include "CDialogBase.h"
#include "TagDefinition.h"

#include <QStringList>

#include <vector>

class CDataCenter;

class CCreateTagDlg : public CDialogBase {
    Q_OBJECT
public:
    // Which channel kinds the profile mode offers: data-type codes 1..18 and DNP3 object types
    // 1..5. With dnp3Only only the second list applies and the direction follows its first type.
    struct Selectors {
        std::vector<int> dataTypeCodes;
        std::vector<int> dnp3Types;
        bool dnp3Only = false;
    };

    // Definition mode: the tag is named after the definition and owned by the same name.
    CCreateTagDlg(int slot, QString resourceTypeText, int resourceTypeId, int channelIndex, TagDefinition definition,
                  QString resourceIdText, CDataCenter& model, QWidget* parent = nullptr);
    // Profile mode.
    CCreateTagDlg(Selectors selectors, CDataCenter& model, QWidget* parent = nullptr);

    // Adds the definition's tag once: 1, or 0 when it was already added (or no definition was given).
    int AddTagToProject();

    QString GetCreatedTagName() const { return createdTagName_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    struct ItemChoice {
        QString name;
        int resourceItem;
        QString resourceId;
    };

    void LoadSettingsLists();
    void FillDirections();
    void FillSlots();
    bool SlotMatchesSelectors(int slot) const;
    void OnSlotChanged();
    void OnTypeChanged();
    void OnChannelChanged();
    void OnDirectionChanged();
    void FillChannels();
    void FillItems();
    void ShowItems(const std::vector<ItemChoice>& items, bool selectFirst);
    void ReportIfNoItems();
    std::vector<ItemChoice> OfferedItems(int channel) const;
    ItemChoice NewInternalRegisterItem(int type, int channel) const;
    bool IsNewInternalRegisterChosen() const;

    // The choice as the lists show it; -1 where nothing is chosen.
    int chosenSlot() const;
    int chosenType() const;
    int chosenChannel() const;
    int chosenItem() const;
    bool ValidateInput();
    bool IsChoiceComplete() const;
    void AddNewInternalRegister();

    CDataCenter& model_;
    int slot_ = -1;
    QString resourceTypeText_;
    int resourceTypeId_ = 0;
    int channelIndex_ = 0;
    QString resourceIdText_;
    int directionIndex_ = 0;
    bool definitionMode_ = false;
    bool addPending_ = false;
    bool newInternalRegister_ = false;
    QString createdTagName_;
    Selectors selectors_;
    TagDefinition definition_;
    std::vector<QString> itemResourceIds_;
    QStringList registerTypeNames_;
    QStringList directionNames_;
};
