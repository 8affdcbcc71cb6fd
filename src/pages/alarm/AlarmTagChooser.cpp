#include "AlarmTagChooser.h"

#include "CPropertyUIDialog.h"
#include "CTagSelectDlg.h"
#include "IPageHost.h"

std::vector<TagRecord> ChooseTagsFor(CPropertyUIDialog& page, QWidget* parent, bool stayOpen)
{
    const CDataCenter* model = page.GetDataCenter();
    if (!model)
        return {};
    ILogLineSink* log = page.GetHost() ? &page.GetHost()->LogLines() : nullptr;
    CTagSelectDlg chooser(*model, log, stayOpen, page.GetNodeInfo().formId, parent);
    std::vector<TagRecord> chosen;
    QObject::connect(&chooser, &CTagSelectDlg::TagsSelected, &chooser, [&chosen](const std::vector<TagRecord>& tags) {
        chosen.insert(chosen.end(), tags.begin(), tags.end());
    });
    chooser.DoModal();
    return chosen;
}
