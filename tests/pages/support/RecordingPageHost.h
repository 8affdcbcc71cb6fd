#pragma once
// A page host for tests: a model the test gives, the log lines and tree-label changes recorded,
// and a parent widget of its own.

#include "ILogLineSink.h"
#include "IPageHost.h"

#include <QStringList>
#include <QWidget>

class RecordingPageHost : public IPageHost, public ILogLineSink {
public:
    explicit RecordingPageHost(CDataCenter* model = nullptr) : model_(model) {}

    void SetDataCenter(CDataCenter* model) { model_ = model; }

    CDataCenter* GetDataCenter() const override { return model_; }
    ILogLineSink& LogLines() override { return *this; }
    QWidget* PageParent() override { return &parent_; }
    void SetPortTrunkNodeText(const QString& text) override { portTrunkTexts_ << text; }
    void AddLogLine(const QString& text) override { logLines_ << text; }

    const QStringList& logLines() const { return logLines_; }
    const QStringList& portTrunkTexts() const { return portTrunkTexts_; }
    void ClearRecords()
    {
        logLines_.clear();
        portTrunkTexts_.clear();
    }
    QWidget& parentWidget() { return parent_; }

private:
    CDataCenter* model_ = nullptr;
    QWidget parent_;
    QStringList logLines_;
    QStringList portTrunkTexts_;
};
