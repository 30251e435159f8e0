#pragma once
// What the client reads in a node's words during the login, and the commands it writes.
#include <QString>
#include <QStringList>
#include <QStringView>

namespace kastlog::spots {

struct Spot;

// A prompt for the call sign: text ending in "login:", "call:" or "callsign:", any case
// ("Please enter your call:", "Please enter your callsign:", "login: ").
bool isLoginPrompt(QStringView text);
// A prompt for the password: text ending in "password:", any case.
bool isPasswordPrompt(QStringView text);
// The node's command prompt, which says it is ready ("ON4ABC de ON0DXC 9-Dec-2026 1234Z
// dxspider >"): text ending in ">" with no "<" (a line of "sh/dx" ends in "<SPOTTER>").
bool isCommandPrompt(QStringView text);
// The node refusing the login: "Sorry, ON4ABC/P is an invalid callsign", "Not allowed"...
bool isRefusal(QStringView text);

// The commands of the setting "Cluster Commandes": separated by ";", blanks around them and
// empty ones left out.
QStringList splitCommands(const QString &setting);

// The command that spots a castle activation back to the node: "DX 14025.0 ON4XYZ DNJ NM047".
QString spotBackCommand(const Spot &spot);

}  // namespace kastlog::spots
