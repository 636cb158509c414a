#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// KDE's global key service (kglobalaccel), which Plasma's portal hands shortcuts to.
// Its word on the key it really grabs for a shortcut is the last one: the portal
// describes the key it asked for even where another program's shortcut has it.
namespace zelvo::KdeGlobalKeys {

// Whether the service is on the session bus.
bool OnBus();

// Asks for the key the service grabs for `action` of `component`. `answered` gets it
// (an empty sequence: no key), or nullopt where the service does not know the action;
// it is not called once `context` is gone.
void AskKeys(const QString& component, const QString& action, QObject* context,
             std::function<void(std::optional<QKeySequence>)> answered);

}  // namespace zelvo::KdeGlobalKeys
