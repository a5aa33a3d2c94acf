#pragma once

#include <vector>

#include "document/DocumentOps.h"
#include "import/CPagingImporter.h"
#include "model/Profile.h"

// Makes every control character in the records' names a blank: a name goes
// into the unit's memory as it is, where a tab or a line break does harm.
void BlankNameControls(std::vector<CImportRecord>& records);

// Puts every record from index ports + 23 x ciuCount on (those no input
// takes) into the document's unassigned zones, Arch Numbers trimmed.
void FillUnassignedZones(CZRTProDoc& doc, const std::vector<CImportRecord>& records, int ports,
                         int ciuCount);

// Asks for the master unit and its camera interface units (again until the
// dialog is closed with OK), then lays the importer's records onto the inputs
// of a new untitled configuration without a file path.
void BuildFromImport(DocumentContext& ctx, const CPagingImporter& importer);

enum class ImportKind { Lunetta, M7700 };

// File > Import: choose the export, read it and build from it. A file that
// cannot be read shows why and leaves the configuration as it was. The built
// configuration is marked modified. True when a configuration was built.
bool ImportPagingFile(DocumentContext& ctx, Profile& profile, ImportKind kind);

// The File > Import command: a modified configuration is offered for saving
// first (Cancel, or a save that fails, leaves everything as it was), then as
// ImportPagingFile. Does nothing while a transfer runs.
bool ImportCommand(DocumentContext& ctx, Profile& profile, ImportKind kind);
