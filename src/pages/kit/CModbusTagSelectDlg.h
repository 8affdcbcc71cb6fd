#pragma once
// The Modbus master's tag chooser (template 824): the tags of the allowed resource types, listed
// by a data type of the command's object kind (coils for kinds 0 to 2, registers above), with the
// data types of DefaultSettings.ini [Tag]. Its OK and Add all (which ends with IDOK) hand the
// tags out as CTagChooserDlg::TagsSelected.

#include "CTagChooserDlg.h"

#include <QVector>

#include <vector>

class CModbusTagSelectDlg : public CTagChooserDlg {
    Q_OBJECT
public:
    // Item data of a combo entry whose name has no index in the index list: no data type.
    static constexpr int kNoTypeIndex = 999;

    CModbusTagSelectDlg(const CDataCenter& model, ILogLineSink* log, bool stayOpen, std::vector<int> allowedTypes,
                        int serviceId, int objectKind, int typeIndex, QWidget* parent = nullptr);

    int GetServiceId() const { return serviceId_; }

protected:
    bool OnInitDialog() override;

private:
    struct FilterLists {
        QStringList cNames;
        QStringList iecNames;
        QVector<int> typeIndices;
    };

    void LoadFilterLists();
    void BuildOffer();
    void FillDataTypes();
    void ShowTagsOfChosenType();
    bool IsCoilKind() const;

    std::vector<int> allowedTypes_;
    int serviceId_;
    int objectKind_;
    int typeIndex_;
    FilterLists coil_;
    FilterLists registers_;
    std::vector<TagRecord> offer_;
};
