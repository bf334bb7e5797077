#include "session/logon_diagnostic.h"

#include "automation/invoke.h"
#include "automation/message_box.h"
#include "session/outlook_members.h"
#include "session/outlook_navigation.h"

namespace tarnex::session {

namespace {

using automation::Variant;

// Walks a Folders collection with GetFirst/GetNext, asking Count anew at
// every test as a live collection may change under the walk.
template <typename Visit>
void WalkFolders(const DispatchRef& folders, Visit&& visit) {
    DispatchRef folder = automation::Call(folders, outlook::kGetFirst).ToDispatch();
    for (std::int32_t i = 0; i < ItemCount(folders); ++i) {
        visit(folder);
        if (i < ItemCount(folders) - 1) folder = automation::Call(folders, outlook::kGetNext).ToDispatch();
    }
}

}  // namespace

void RunLogonDiagnostic(const PimSession& session) {
    automation::Call(session.nameSpace, outlook::kLogon,
                     {Variant::Missing(), Variant::Missing(), Variant(true), Variant(true)});

    const DispatchRef topLevel = automation::GetDispatch(session.nameSpace, outlook::kFolders);
    WalkFolders(topLevel, [](const DispatchRef& folder) {
        automation::GetText(folder, outlook::kName);
        const DispatchRef children = automation::GetDispatch(folder, outlook::kFolders);
        WalkFolders(children, [](const DispatchRef& child) {
            automation::GetText(child, outlook::kName);
            automation::GetText(child, outlook::kEntryId);
        });
    });

    const DispatchRef sentItems = GetDefaultFolder(session.nameSpace, records::DefaultFolder::SentItems);
    const DispatchRef first = ItemAt(FolderItems(sentItems), 1);
    const DispatchRef parent = automation::GetDispatch(first, outlook::kParent);
    automation::ShowMessageBox(automation::GetText(parent, outlook::kName));
}

}  // namespace tarnex::session
