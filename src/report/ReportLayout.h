#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "model/CZRTProDoc.h"
#include "report/ReportCanvas.h"
#include "report/ReportGeometry.h"

// Lays a configuration out as the printed listing, page by page, onto a canvas
// whose job is started and whose font is selected. Each page carries the
// header and its number; a step that does not fit moves whole to the next page.
class ReportLayout {
public:
    ReportLayout(const CZRTProDoc& doc, const ReportGeometry& geometry, ReportCanvas& canvas);

    // The first header line's text and the date line.
    void SetHeader(std::string title, std::string dateTime);
    // Pages outside first..last (1-based; last 0 is the end) are laid out but
    // not drawn, so the numbers of those drawn match the whole report.
    void SetPageRange(int first, int last);

    // Lays out the whole report; returns the number of pages.
    int Run();

private:
    enum class Section { System, Settings, IdleLoop, Inputs, Complete };

    void LayOutPage();
    // One step at the current line; false when the page is full. A step
    // that must fit is drawn even past the bottom, so that a page too small
    // for any step still moves the report on instead of never ending.
    bool Step(bool mustFit);
    void PrintSystem();
    void PrintSettings();
    bool PrintIdleLoopStep(bool mustFit);
    bool PrintInputStep(bool mustFit);

    bool HasRoom(int reserve, bool mustFit) const;
    bool Drawn() const;
    void Draw(int column, int y, const std::string& text);
    void DrawAt(int x, int y, const std::string& text);

    const CZRTProDoc& m_doc;
    const ReportGeometry m_geometry;
    ReportCanvas& m_canvas;
    std::map<std::string, std::string> m_names;  // Arch Number to name, for the idle loop
    std::string m_strTitle;
    std::string m_strDateTime;
    int m_nFirstPage = 1;
    int m_nLastPage = 0;

    int m_nPage = 1;
    int m_nLine = 0;       // H, the current line
    int m_nFirstLine = 0;  // L, the page's first body line
    Section m_section = Section::System;
    bool m_bIdleHeaded = false;
    size_t m_nIdleEntry = 0;
    int m_nNode = 0;
    std::string m_strContinued;  // heading for a unit's inputs that go on past a page
};
