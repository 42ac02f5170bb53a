#pragma once

#include "clocks/uCategory.h"
#include "clocks/uNotifyListener.h"
#include "foundation/HTMLParser.h"
#include "foundation/uXmlWriter.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <vector>

// Helpers shared by the clock-object tests.

// The lines (UTF-8 in the source) as the tree writer writes them: each followed by CR LF.
inline QString CrLfLines(std::initializer_list<const char*> lines) {
    QString text;
    for (const char* line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

// The object as the only element of a document, serialised: an empty line, then the element.
inline QString ElementText(const TBaseClockObject& object,
                           const QString& name = QStringLiteral("obj")) {
    THTMLParser document;
    auto element = NewElement(name);
    object.SaveToNode(*element);
    document.Root()->AddChild(std::move(element));
    return NodeToText(document.Root());
}

// The first element of the markup, read through the factory.
inline std::unique_ptr<TBaseClockObject> ObjectFromText(const QString& markup) {
    THTMLParser parser;
    parser.Parse(markup);
    TTagNodeList elements;
    FindAll(parser.Root(), QStringLiteral("obj"), elements);
    return elements.Count() > 0 ? CreateClockObjectFromNode(*elements.Item(0)) : nullptr;
}

// Written, then read back through the factory.
inline std::unique_ptr<TBaseClockObject> RoundTrip(const TBaseClockObject& object) {
    return ObjectFromText(ElementText(object));
}

// Records what a list tells, with the object's name at that moment.
class TRecordingListener final : public INotifyListener {
public:
    struct TEvent {
        TNotifyKind Kind;
        TBaseClockObject* Object;
        QString Name;
    };

    void Notify(TNotifyKind kind, TBaseClockObject* object) override {
        Events.push_back({kind, object, object != nullptr ? object->ObjName() : QString()});
    }
    std::vector<TEvent> Events;
};

// A station with the default settings up (song categories and characteristic values).
class TStationTest : public ::testing::Test {
protected:
    void SetUp() override {
        Station.CopyDefaultStation();
        InitOptions();
        Prompt.Clear();
    }
    void TearDown() override { DoneOptions(); }

    TTempStation Station;
    TRecordingPrompt Prompt;
};
