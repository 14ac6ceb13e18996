<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Configuration and measurement program for multifunction power meters</source>
        <translation>Konfigurations- und Messprogramm für Multifunktions-Leistungsmessgeräte</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Zum Schließen klicken</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>Voltage transformer</source>
        <translation>Spannungswandler</translation>
    </message>
    <message>
        <source>Current transformer</source>
        <translation>Stromwandler</translation>
    </message>
    <message>
        <source>Digital output 1</source>
        <translation>Digitalausgang 1</translation>
    </message>
    <message>
        <source>Digital output 2</source>
        <translation>Digitalausgang 2</translation>
    </message>
    <message>
        <source>Limit on</source>
        <translation>Grenzwert ein</translation>
    </message>
    <message>
        <source>Limit off</source>
        <translation>Grenzwert aus</translation>
    </message>
    <message>
        <source>Pulse rate</source>
        <translation>Impulsrate</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Bus settings</source>
        <translation>Busparameter</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Konfiguration öffnen</translation>
    </message>
</context>
<context>
    <name>ConfigTransfer</name>
    <message>
        <source>The meter&apos;s previous configuration was saved to %1</source>
        <translation>Die bisherige Konfiguration des Geräts wurde in %1 gesichert</translation>
    </message>
    <message>
        <source>No backup of the meter&apos;s configuration could be saved to %1</source>
        <translation>Die Konfiguration des Geräts konnte nicht in %1 gesichert werden</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Versionsinformation</translation>
    </message>
    <message>
        <source>Model: %1
Firmware: %2
Version: %3</source>
        <translation>Modell: %1
Firmware: %2
Version: %3</translation>
    </message>
</context>
<context>
    <name>DialogMessages</name>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Clear the logger</source>
        <translation>Logger löschen</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Data transfer in progress...</source>
        <translation>Datenübertragung läuft...</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>1 phase, 2 wires (L-N)</source>
        <translation>1 Phase, 2 Leiter (L-N)</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, balanced load</source>
        <translation>3 Phasen, 3 Leiter, gleiche Last</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, balanced load</source>
        <translation>3 Phasen, 4 Leiter, gleiche Last</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, 2 current transformers</source>
        <translation>3 Phasen, 3 Leiter, 2 Stromwandler</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, unbalanced load</source>
        <translation>3 Phasen, 3 Leiter, ungleiche Last</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, unbalanced load</source>
        <translation>3 Phasen, 4 Leiter, ungleiche Last</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, 3 voltage transformers</source>
        <translation>3 Phasen, 4 Leiter, 3 Spannungswandler</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Nicht benutzt</translation>
    </message>
    <message>
        <source>Free (simulation)</source>
        <translation>Frei (Simulation)</translation>
    </message>
    <message>
        <source>Limit output</source>
        <translation>Grenzwertausgang</translation>
    </message>
    <message>
        <source>Pulse output</source>
        <translation>Impulsausgang</translation>
    </message>
    <message>
        <source>Internal interval</source>
        <translation>Internes Intervall</translation>
    </message>
    <message>
        <source>External synchronisation</source>
        <translation>Externe Synchronisation</translation>
    </message>
    <message>
        <source>No interval</source>
        <translation>Kein Intervall</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>Synchronisation input</source>
        <translation>Synchronisationseingang</translation>
    </message>
    <message>
        <source>Tariff input (HT/LT)</source>
        <translation>Tarifeingang (HT/NT)</translation>
    </message>
    <message>
        <source>Stop when full</source>
        <translation>Stopp wenn voll</translation>
    </message>
    <message>
        <source>Overwrite oldest records</source>
        <translation>Älteste Einträge überschreiben</translation>
    </message>
    <message>
        <source>no parity, 2 stop bits</source>
        <translation>keine Parität, 2 Stoppbits</translation>
    </message>
    <message>
        <source>even parity, 2 stop bits</source>
        <translation>gerade Parität, 2 Stoppbits</translation>
    </message>
    <message>
        <source>odd parity, 2 stop bits</source>
        <translation>ungerade Parität, 2 Stoppbits</translation>
    </message>
    <message>
        <source>no parity, 1 stop bit</source>
        <translation>keine Parität, 1 Stoppbit</translation>
    </message>
    <message>
        <source>Fixed page</source>
        <translation>Feste Seite</translation>
    </message>
    <message>
        <source>User pages</source>
        <translation>Benutzerseiten</translation>
    </message>
    <message>
        <source>Automatic loop</source>
        <translation>Automatischer Durchlauf</translation>
    </message>
    <message>
        <source>Loop by key</source>
        <translation>Durchlauf per Taste</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>ZARO standard meter</source>
        <translation>ZARO Standardgerät</translation>
    </message>
    <message>
        <source>ZRM3 extended meter</source>
        <translation>ZRM3 erweitertes Gerät</translation>
    </message>
    <message>
        <source>ZRM3 with LANMOD57 module</source>
        <translation>ZRM3 mit LANMOD57-Modul</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>The simulated meter could not be started: %1</source>
        <translation>Das simulierte Messgerät konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>zaro-sim was found neither beside the program nor in /usr/bin.</source>
        <translation>zaro-sim wurde weder neben dem Programm noch in /usr/bin gefunden.</translation>
    </message>
    <message>
        <source>the demo settings could not be written.</source>
        <translation>die Demo-Einstellungen konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Demo — simulated meter</source>
        <translation>Demo — simuliertes Messgerät</translation>
    </message>
    <message>
        <source>The program could not be started a second time.</source>
        <translation>Das Programm konnte kein zweites Mal gestartet werden.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ZARO Help</source>
        <translation>ZARO-Hilfe</translation>
    </message>
    <message>
        <source>The help pages were not found in %1.</source>
        <translation>Die Hilfeseiten wurden in %1 nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>MainPanel</name>
    <message>
        <source>Device and interface</source>
        <translation>Gerät und Schnittstelle</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Gerätetyp</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>LANMOD57-Modul</translation>
    </message>
    <message>
        <source>without interface option</source>
        <translation>ohne Schnittstellenoption</translation>
    </message>
    <message>
        <source>with interface option</source>
        <translation>mit Schnittstellenoption</translation>
    </message>
    <message>
        <source>1 A</source>
        <translation>1 A</translation>
    </message>
    <message>
        <source>5 A</source>
        <translation>5 A</translation>
    </message>
    <message>
        <source>Current input</source>
        <translation>Stromeingang</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Network system and transformers</source>
        <translation>Netzsystem und Wandler</translation>
    </message>
    <message>
        <source>Network system</source>
        <translation>Netzsystem</translation>
    </message>
    <message>
        <source>cos-phi correction</source>
        <translation>cos-phi-Korrektur</translation>
    </message>
    <message>
        <source>Frequency locked</source>
        <translation>Frequenz fest</translation>
    </message>
    <message>
        <source>Nominal frequency</source>
        <translation>Nennfrequenz</translation>
    </message>
    <message>
        <source>Digital outputs</source>
        <translation>Digitalausgänge</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Digitaleingang</translation>
    </message>
    <message>
        <source>Synchronisation</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Refresh time</source>
        <translation>Aktualisierungszeit</translation>
    </message>
    <message>
        <source>Reactive quantities as incoming/outgoing</source>
        <translation>Blindgrößen als Bezug/Lieferung</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Datenlogger</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Powers</source>
        <translation>Leistungen</translation>
    </message>
    <message>
        <source>Estimated recording time (days:hours:minutes)</source>
        <translation>Geschätzte Aufzeichnungsdauer (Tage:Stunden:Minuten)</translation>
    </message>
    <message>
        <source>Recording time</source>
        <translation>Aufzeichnungsdauer</translation>
    </message>
    <message>
        <source>Mean values</source>
        <translation>Mittelwerte</translation>
    </message>
    <message>
        <source>Measurand</source>
        <translation>Messgröße</translation>
    </message>
    <message>
        <source>Logged</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>Min/max logger (LANMOD57)</source>
        <translation>Min/Max-Logger (LANMOD57)</translation>
    </message>
    <message>
        <source>Description of the meter (at most 47 characters)</source>
        <translation>Beschreibung des Geräts (höchstens 47 Zeichen)</translation>
    </message>
    <message>
        <source>Display &amp;pages...</source>
        <translation>Anzeige&amp;seiten...</translation>
    </message>
    <message>
        <source>Clear &amp;logger...</source>
        <translation>Logger &amp;löschen...</translation>
    </message>
    <message>
        <source>%1, primary</source>
        <translation>%1, primär</translation>
    </message>
    <message>
        <source>%1, secondary</source>
        <translation>%1, sekundär</translation>
    </message>
    <message>
        <source>Mean value %1, measurand</source>
        <translation>Mittelwert %1, Messgröße</translation>
    </message>
    <message>
        <source>Mean value %1, logged</source>
        <translation>Mittelwert %1, aufgezeichnet</translation>
    </message>
    <message>
        <source>Min/max channel %1, measurand</source>
        <translation>Min/Max-Kanal %1, Messgröße</translation>
    </message>
    <message>
        <source>Min/max channel %1, recording</source>
        <translation>Min/Max-Kanal %1, zeichnet auf</translation>
    </message>
</context>
<context>
    <name>MeasDisp</name>
    <message>
        <source>Voltages</source>
        <translation>Spannungen</translation>
    </message>
    <message>
        <source>Currents</source>
        <translation>Ströme</translation>
    </message>
    <message>
        <source>Powers</source>
        <translation>Leistungen</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>L1</source>
        <translation>L1</translation>
    </message>
    <message>
        <source>L2</source>
        <translation>L2</translation>
    </message>
    <message>
        <source>L3</source>
        <translation>L3</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Instantaneous values</source>
        <translation>Momentanwerte</translation>
    </message>
    <message>
        <source>Lit while the meter is being read</source>
        <translation>Leuchtet, während das Gerät gelesen wird</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>Measurands</name>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>PF</source>
        <translation>PF</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>U1N</source>
        <translation>U1N</translation>
    </message>
    <message>
        <source>U2N</source>
        <translation>U2N</translation>
    </message>
    <message>
        <source>U3N</source>
        <translation>U3N</translation>
    </message>
    <message>
        <source>U12</source>
        <translation>U12</translation>
    </message>
    <message>
        <source>U23</source>
        <translation>U23</translation>
    </message>
    <message>
        <source>U31</source>
        <translation>U31</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>I1</source>
        <translation>I1</translation>
    </message>
    <message>
        <source>I2</source>
        <translation>I2</translation>
    </message>
    <message>
        <source>I3</source>
        <translation>I3</translation>
    </message>
    <message>
        <source>Iavg</source>
        <translation>Iavg</translation>
    </message>
    <message>
        <source>I1avg</source>
        <translation>I1avg</translation>
    </message>
    <message>
        <source>I2avg</source>
        <translation>I2avg</translation>
    </message>
    <message>
        <source>I3avg</source>
        <translation>I3avg</translation>
    </message>
    <message>
        <source>IN</source>
        <translation>IN</translation>
    </message>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>P3</source>
        <translation>P3</translation>
    </message>
    <message>
        <source>Q1</source>
        <translation>Q1</translation>
    </message>
    <message>
        <source>Q2</source>
        <translation>Q2</translation>
    </message>
    <message>
        <source>Q3</source>
        <translation>Q3</translation>
    </message>
    <message>
        <source>S1</source>
        <translation>S1</translation>
    </message>
    <message>
        <source>S2</source>
        <translation>S2</translation>
    </message>
    <message>
        <source>S3</source>
        <translation>S3</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>PF1</source>
        <translation>PF1</translation>
    </message>
    <message>
        <source>PF2</source>
        <translation>PF2</translation>
    </message>
    <message>
        <source>PF3</source>
        <translation>PF3</translation>
    </message>
    <message>
        <source>Umean</source>
        <translation>Umean</translation>
    </message>
    <message>
        <source>Imean</source>
        <translation>Imean</translation>
    </message>
    <message>
        <source>UNE</source>
        <translation>UNE</translation>
    </message>
    <message>
        <source>Unb.I</source>
        <translation>Unb.I</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Meter</source>
        <translation>&amp;Messgerät</translation>
    </message>
    <message>
        <source>M&amp;easurements</source>
        <translation>M&amp;esswerte</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeige</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New configuration</source>
        <translation>&amp;Neue Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Open configuration...</source>
        <translation>Konfiguration ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save configuration...</source>
        <translation>Konfiguration &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Receive configuration from meter</source>
        <translation>Konfiguration vom Gerät &amp;empfangen</translation>
    </message>
    <message>
        <source>Sen&amp;d configuration to meter</source>
        <translation>Konfiguration an Gerät &amp;senden</translation>
    </message>
    <message>
        <source>&amp;Version information</source>
        <translation>&amp;Versionsinformation</translation>
    </message>
    <message>
        <source>Restart &amp;mean-value interval</source>
        <translation>&amp;Mittelwertintervall neu starten</translation>
    </message>
    <message>
        <source>&amp;Interface...</source>
        <translation>Sc&amp;hnittstelle...</translation>
    </message>
    <message>
        <source>&amp;Instantaneous values</source>
        <translation>&amp;Momentanwerte</translation>
    </message>
    <message>
        <source>Mi&amp;nimum and maximum values</source>
        <translation>Mi&amp;nimal- und Maximalwerte</translation>
    </message>
    <message>
        <source>&amp;Energy meters</source>
        <translation>&amp;Energiezähler</translation>
    </message>
    <message>
        <source>&amp;Mean values</source>
        <translation>Mi&amp;ttelwerte</translation>
    </message>
    <message>
        <source>&amp;Harmonics</source>
        <translation>&amp;Oberschwingungen</translation>
    </message>
    <message>
        <source>&amp;Simulation of digital outputs</source>
        <translation>&amp;Simulation der Digitalausgänge</translation>
    </message>
    <message>
        <source>&amp;Logger</source>
        <translation>&amp;Logger</translation>
    </message>
    <message>
        <source>Logger &amp;without meter</source>
        <translation>Logger ohne Mess&amp;gerät</translation>
    </message>
    <message>
        <source>Display &amp;pages...</source>
        <translation>Anzeige&amp;seiten...</translation>
    </message>
    <message>
        <source>&amp;Brightness...</source>
        <translation>&amp;Helligkeit...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About ZARO</source>
        <translation>&amp;Über ZARO</translation>
    </message>
    <message>
        <source>&amp;Back to the configuration</source>
        <translation>&amp;Zurück zur Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Open logger file...</source>
        <translation>Logger-Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save logger file...</source>
        <translation>Logger-Datei &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Read from meter</source>
        <translation>Vom Gerät &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Profile graph</source>
        <translation>&amp;Profilgrafik</translation>
    </message>
    <message>
        <source>E&amp;xport to Excel...</source>
        <translation>Nach E&amp;xcel exportieren...</translation>
    </message>
    <message>
        <source>&amp;Minimum and maximum values</source>
        <translation>&amp;Minimal- und Maximalwerte</translation>
    </message>
    <message>
        <source>Try with a &amp;simulated meter</source>
        <translation>Mit einem &amp;simulierten Messgerät ausprobieren</translation>
    </message>
    <message>
        <source>Rese&amp;t logger...</source>
        <translation>Logger zu&amp;rücksetzen...</translation>
    </message>
    <message>
        <source>Installation chec&amp;k</source>
        <translation>&amp;Installationsprüfung</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The serial port does not exist or is used by another program. Choose another port in the interface dialog or close the other program.</source>
        <translation>Die serielle Schnittstelle ist nicht vorhanden oder wird von einem anderen Programm benutzt. Wählen Sie im Schnittstellendialog eine andere Schnittstelle oder schließen Sie das andere Programm.</translation>
    </message>
    <message>
        <source>The serial port could not be configured. Check the port settings in the interface dialog and reconnect the converter.</source>
        <translation>Die serielle Schnittstelle konnte nicht eingestellt werden. Prüfen Sie die Einstellungen im Schnittstellendialog und stecken Sie den Umsetzer neu an.</translation>
    </message>
    <message>
        <source>The meter&apos;s reply was incomplete or damaged. Check the cable and the connections, and that only one meter uses this address.</source>
        <translation>Die Antwort des Geräts war unvollständig oder fehlerhaft. Prüfen Sie Kabel und Anschlüsse, und ob nur ein Gerät diese Adresse benutzt.</translation>
    </message>
    <message>
        <source>No connection to the LANMOD57 module. Check its IP address, the network cable and that the module is switched on.</source>
        <translation>Keine Verbindung zum LANMOD57-Modul. Prüfen Sie seine IP-Adresse, das Netzwerkkabel und ob das Modul eingeschaltet ist.</translation>
    </message>
    <message>
        <source>No connection to the gateway. Check its IP address, the TCP port and the network cable.</source>
        <translation>Keine Verbindung zum Gateway. Prüfen Sie seine IP-Adresse, den TCP-Port und das Netzwerkkabel.</translation>
    </message>
    <message>
        <source>The request could not be sent over the network. The connection was closed; try again.</source>
        <translation>Die Anfrage konnte nicht über das Netzwerk gesendet werden. Die Verbindung wurde getrennt; versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 gave no valid reply in time. Check its connection to the meter and try again.</source>
        <translation>%1 hat nicht rechtzeitig gültig geantwortet. Prüfen Sie die Verbindung zum Gerät und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 closed the connection before it replied. The request may have been carried out: check the result, then try again.</source>
        <translation>%1 hat die Verbindung vor der Antwort getrennt. Die Anfrage wurde möglicherweise ausgeführt: Prüfen Sie das Ergebnis und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The gateway</source>
        <translation>Das Gateway</translation>
    </message>
    <message>
        <source>The LANMOD57 module</source>
        <translation>Das LANMOD57-Modul</translation>
    </message>
    <message>
        <source>The gateway gave no reply in time. Check the gateway and the meters behind it, then try again.</source>
        <translation>Das Gateway hat nicht rechtzeitig geantwortet. Prüfen Sie das Gateway und die daran angeschlossenen Geräte, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The addressed device does not respond. Check the device address and the device&apos;s connection.</source>
        <translation>Das angesprochene Gerät antwortet nicht. Prüfen Sie die Geräteadresse und den Anschluss des Geräts.</translation>
    </message>
    <message>
        <source>The file cannot be opened. Check the name and that you may read it.</source>
        <translation>Die Datei kann nicht geöffnet werden. Prüfen Sie den Namen und ob Sie Leserechte für die Datei haben.</translation>
    </message>
    <message>
        <source>The file has the wrong format and was not loaded. Nothing was changed.</source>
        <translation>Die Datei hat das falsche Format und wurde nicht geladen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The configuration is for a 1 A current input, but the meter has a 5 A input. Choose the meter&apos;s current range and send again.</source>
        <translation>Die Konfiguration ist für einen 1-A-Stromeingang, das Gerät hat aber einen 5-A-Eingang. Wählen Sie den Strombereich des Geräts und senden Sie erneut.</translation>
    </message>
    <message>
        <source>The configuration is for a 5 A current input, but the meter has a 1 A input. Choose the meter&apos;s current range and send again.</source>
        <translation>Die Konfiguration ist für einen 5-A-Stromeingang, das Gerät hat aber einen 1-A-Eingang. Wählen Sie den Strombereich des Geräts und senden Sie erneut.</translation>
    </message>
    <message>
        <source>The configuration is for another meter model. Choose the meter&apos;s model and send again.</source>
        <translation>Die Konfiguration ist für ein anderes Gerätemodell. Wählen Sie das Modell des Geräts und senden Sie erneut.</translation>
    </message>
    <message>
        <source>This meter does not measure harmonics. Harmonics are available on the ZRM3 model only.</source>
        <translation>Dieses Gerät misst keine Oberschwingungen. Oberschwingungen gibt es nur beim Modell ZRM3.</translation>
    </message>
    <message>
        <source>The IP address is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>Die IP-Adresse ist ungültig. Geben Sie vier Zahlen von 0 bis 255 ein, getrennt durch Punkte.</translation>
    </message>
    <message>
        <source>The subnet mask is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>Die Subnetzmaske ist ungültig. Geben Sie vier Zahlen von 0 bis 255 ein, getrennt durch Punkte.</translation>
    </message>
    <message>
        <source>The default gateway address is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>Die Adresse des Standard-Gateways ist ungültig. Geben Sie vier Zahlen von 0 bis 255 ein, getrennt durch Punkte.</translation>
    </message>
    <message>
        <source>The MAC address is not valid. Enter six pairs of hex digits 0-9, A-F separated by &apos;-&apos;, for example 00-30-11-0A-0B-0C.</source>
        <translation>Die MAC-Adresse ist ungültig. Geben Sie sechs Paare aus Hex-Ziffern 0-9, A-F ein, getrennt durch &apos;-&apos;, zum Beispiel 00-30-11-0A-0B-0C.</translation>
    </message>
    <message>
        <source>Send the configuration to the meter now? The meter&apos;s settings will be overwritten.</source>
        <translation>Konfiguration jetzt an das Gerät senden? Die Einstellungen des Geräts werden überschrieben.</translation>
    </message>
    <message>
        <source>Clear the meter&apos;s logger? All logged records will be lost.</source>
        <translation>Datenlogger des Geräts löschen? Alle aufgezeichneten Einträge gehen verloren.</translation>
    </message>
    <message>
        <source>The simulation frees the digital outputs from their limit or pulse function until it ends. Start the simulation?</source>
        <translation>Während der Simulation sind die Digitalausgänge von ihrer Grenzwert- oder Impulsfunktion getrennt, bis die Simulation endet. Simulation starten?</translation>
    </message>
    <message>
        <source>The meter&apos;s logger cannot be read (no meter, or nothing is logged). Open the logger anyway to work with files?</source>
        <translation>Der Datenlogger des Geräts kann nicht gelesen werden (kein Gerät oder keine Aufzeichnung). Logger trotzdem öffnen, um mit Dateien zu arbeiten?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the display refresh time. Send the configuration without it?</source>
        <translation>Die Firmware des Geräts unterstützt die Aktualisierungszeit der Anzeige nicht. Konfiguration ohne diese Einstellung senden?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the cos-phi correction. Send the configuration without it?</source>
        <translation>Die Firmware des Geräts unterstützt die cos-phi-Korrektur nicht. Konfiguration ohne diese Einstellung senden?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the current unbalance display. Send the configuration without it?</source>
        <translation>Die Firmware des Geräts unterstützt die Anzeige der Stromunsymmetrie nicht. Konfiguration ohne diese Einstellung senden?</translation>
    </message>
    <message>
        <source>The module&apos;s firmware may not support the min/max logger. Send the min/max logger settings anyway?</source>
        <translation>Die Firmware des Moduls unterstützt den Min/Max-Logger möglicherweise nicht. Einstellungen des Min/Max-Loggers trotzdem senden?</translation>
    </message>
    <message>
        <source>The logged quantities change. The logger should be cleared, or its records will no longer match. Continue sending?</source>
        <translation>Die aufgezeichneten Messgrößen ändern sich. Der Datenlogger sollte gelöscht werden, sonst passen seine Einträge nicht mehr dazu. Senden fortsetzen?</translation>
    </message>
    <message>
        <source>Serial interface</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Datenlogger</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Current input range</source>
        <translation>Strombereich des Eingangs</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Meter model</source>
        <translation>Gerätemodell</translation>
    </message>
    <message>
        <source>Network connection</source>
        <translation>Netzwerkverbindung</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>ZARO</source>
        <translation>ZARO</translation>
    </message>
    <message>
        <source>Unexpected message (%1, %2).</source>
        <translation>Unerwartete Meldung (%1, %2).</translation>
    </message>
    <message>
        <source>The meter's present configuration could not be backed up, so this send could not be undone. Send without a backup?</source>
        <translation>Die bisherige Konfiguration des Messgeräts konnte nicht gesichert werden; dieses Senden ließe sich nicht rückgängig machen. Ohne Sicherung senden?</translation>
    </message>
    <message>
        <source>The configuration holds values a configuration file cannot keep (for example a transformer ratio out of range). Nothing was saved.</source>
        <translation>Die Konfiguration enthält Werte, die eine Konfigurationsdatei nicht aufnehmen kann (zum Beispiel ein Wandlerverhältnis außerhalb des Bereichs). Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The meter reports an energy scale that this program cannot show (more than 10^9 or less than 10^-9 Wh per count). The meters panel stays closed.</source>
        <translation>Das Gerät meldet eine Energieskalierung, die dieses Programm nicht anzeigen kann (mehr als 10^9 oder weniger als 10^-9 Wh je Zählschritt). Die Zähleranzeige bleibt geschlossen.</translation>
    </message>
    <message>
        <source>The value to set is not a number the energy register can hold (0 up to its largest count). Nothing was written: correct the value and set again.</source>
        <translation>Der einzustellende Wert ist keine Zahl, die das Energieregister aufnehmen kann (0 bis zu seinem größten Zählerstand). Es wurde nichts geschrieben: Korrigieren Sie den Wert und stellen Sie ihn erneut ein.</translation>
    </message>
    <message>
        <source>Nothing was exported. %1</source>
        <translation>Es wurde nichts exportiert. %1</translation>
    </message>
    <message>
        <source>The file cannot be created there. Choose another folder or name.</source>
        <translation>Die Datei kann dort nicht angelegt werden. Wählen Sie einen anderen Ordner oder Namen.</translation>
    </message>
    <message>
        <source>The file could not be written completely. Check the free space and try again.</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden. Prüfen Sie den freien Speicherplatz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The records do not fit into the 1048576 rows of a worksheet. Export them as CSV instead.</source>
        <translation>Die Datensätze passen nicht in die 1048576 Zeilen eines Arbeitsblatts. Exportieren Sie sie stattdessen als CSV.</translation>
    </message>
    <message>
        <source>The logged records are incomplete. Read the logger or open the file again.</source>
        <translation>Die aufgezeichneten Datensätze sind unvollständig. Lesen Sie den Logger aus oder öffnen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>Der Export wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The module's logger data cannot be shown: %1. Download it again or open another file.</source>
        <translation>Die Loggerdaten des Moduls können nicht angezeigt werden: %1. Laden Sie sie erneut oder öffnen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>The LANMOD57 module did not finish sending its logger data in time. Check the network connection and try again.</source>
        <translation>Das LANMOD57-Modul hat seine Loggerdaten nicht rechtzeitig vollständig gesendet. Prüfen Sie die Netzwerkverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The module's logger data is larger than 4 MiB and was not taken. Nothing was changed.</source>
        <translation>Die Loggerdaten des Moduls sind größer als 4 MiB und wurden nicht übernommen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Communication error: the module's reply was not a valid HTTP reply (data transmission failure). Try again.</source>
        <translation>Kommunikationsfehler: Die Antwort des Moduls war keine gültige HTTP-Antwort (Fehler bei der Datenübertragung). Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The LANMOD57 module refused the logger download (%1). Check the module's address and try again.</source>
        <translation>Das LANMOD57-Modul hat das Laden der Loggerdaten abgelehnt (%1). Prüfen Sie die Adresse des Moduls und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Invalid structure of logger data</source>
        <translation>Ungültige Struktur der Loggerdaten</translation>
    </message>
    <message>
        <source>No data found</source>
        <translation>Keine Daten gefunden</translation>
    </message>
    <message>
        <source>more than 255 sequences</source>
        <translation>mehr als 255 Sequenzen</translation>
    </message>
    <message>
        <source>more than 23 channels in a sequence</source>
        <translation>mehr als 23 Kanäle in einer Sequenz</translation>
    </message>
    <message>
        <source>more than 699050 values</source>
        <translation>mehr als 699050 Werte</translation>
    </message>
    <message>
        <source>more than 299593 time stamps</source>
        <translation>mehr als 299593 Zeitstempel</translation>
    </message>
    <message>
        <source>The records lie more than a day apart, so the profile graph, which shows one day at a time, cannot draw them. Check the logging interval and the dates and times of the records.</source>
        <translation>Die Datensätze liegen mehr als einen Tag auseinander; die Profilgrafik, die jeweils einen Tag zeigt, kann sie nicht darstellen. Prüfen Sie das Speicherintervall sowie Datum und Uhrzeit der Datensätze.</translation>
    </message>
    <message>
        <source>The settings file could not be written. Check that the settings folder exists and that you may write to it, then try again.</source>
        <translation>Die Einstellungsdatei konnte nicht geschrieben werden. Prüfen Sie, ob der Einstellungsordner existiert und Sie darin schreiben dürfen, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Send configuration</source>
        <translation>Konfiguration senden</translation>
    </message>
    <message>
        <source>The file was not saved. %1</source>
        <translation>Die Datei wurde nicht gespeichert. %1</translation>
    </message>
    <message>
        <source>That name belongs to a folder, a link or a device, not to a file. Choose another name.</source>
        <translation>Dieser Name gehört zu einem Ordner, einer Verknüpfung oder einem Gerät, nicht zu einer Datei. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Messgerät</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation>Kommunikationsprotokoll</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Reset the ticked energy registers to zero? The energy they counted, shown below, will be lost for good.</source>
        <translation>Die markierten Energiezähler auf null setzen? Die unten gezeigte gezählte Energie geht endgültig verloren.</translation>
    </message>
    <message>
        <source>Set the ticked energy registers to the values below? The energy they counted will be overwritten for good.</source>
        <translation>Die markierten Energiezähler auf die unten gezeigten Werte setzen? Die gezählte Energie wird endgültig überschrieben.</translation>
    </message>
    <message>
        <source>Reset the ticked minimum and maximum values? The extremes the meter recorded will be lost for good.</source>
        <translation>Die markierten Minimal- und Maximalwerte zurücksetzen? Die vom Gerät aufgezeichneten Extremwerte gehen endgültig verloren.</translation>
    </message>
    <message>
        <source>Reset all minimum and maximum values? Every extreme the meter recorded will be lost for good.</source>
        <translation>Alle Minimal- und Maximalwerte zurücksetzen? Alle vom Gerät aufgezeichneten Extremwerte gehen endgültig verloren.</translation>
    </message>
    <message>
        <source>Restart the mean-value interval now? The means of the running interval will be lost for good.</source>
        <translation>Das Mittelwertintervall jetzt neu starten? Die Mittelwerte des laufenden Intervalls gehen endgültig verloren.</translation>
    </message>
    <message>
        <source>Reset the maxima of the voltage harmonics, the THD and the voltage unbalance? The maxima the meter recorded will be lost for good.</source>
        <translation>Die Maxima der Spannungsoberschwingungen, des THD und der Spannungsunsymmetrie zurücksetzen? Die vom Gerät aufgezeichneten Maxima gehen endgültig verloren.</translation>
    </message>
    <message>
        <source>Reset the maxima of the current harmonics and the THD? The maxima the meter recorded will be lost for good.</source>
        <translation>Die Maxima der Stromoberschwingungen und des THD zurücksetzen? Die vom Gerät aufgezeichneten Maxima gehen endgültig verloren.</translation>
    </message>
    <message>
        <source>Reset the ticked minima and maxima of the mean values? The extremes the meter recorded will be lost for good.</source>
        <translation>Die markierten Minima und Maxima der Mittelwerte zurücksetzen? Die vom Gerät aufgezeichneten Extremwerte gehen endgültig verloren.</translation>
    </message>
    <message>
        <source>The configuration was changed and the changes were not saved. Save them to a file first?</source>
        <translation>Die Konfiguration wurde geändert und die Änderungen wurden nicht gespeichert. Zuerst in einer Datei speichern?</translation>
    </message>
    <message>
        <source>The meter does not answer (port, address, baud rate, format, time-out: %1). Check the cable, the port, the address and the baud rate, and that the meter is switched on.</source>
        <translation>Das Gerät antwortet nicht (Schnittstelle, Adresse, Baudrate, Format, Zeitlimit: %1). Prüfen Sie Kabel, Schnittstelle, Adresse und Baudrate, und ob das Gerät eingeschaltet ist.</translation>
    </message>
    <message>
        <source>The test found no meter: the version request got no valid answer (port, address, baud rate, format, time-out: %1). Check the cable, the port, the address and the baud rate, and that the meter is switched on.</source>
        <translation>Der Test fand kein Gerät: Die Versionsabfrage erhielt keine gültige Antwort (Schnittstelle, Adresse, Baudrate, Format, Zeitlimit: %1). Prüfen Sie Kabel, Schnittstelle, Adresse und Baudrate, und ob das Gerät eingeschaltet ist.</translation>
    </message>
    <message>
        <source>The test found no meter: the version request got no valid answer (IP address and TCP port, meter address, time-out: %1). Check the IP address, the network cable and the meter behind the device.</source>
        <translation>Der Test fand kein Gerät: Die Versionsabfrage erhielt keine gültige Antwort (IP-Adresse und TCP-Port, Geräteadresse, Zeitlimit: %1). Prüfen Sie die IP-Adresse, das Netzwerkkabel und das Gerät dahinter.</translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation>Installationsprüfung</translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation>Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>The commissioning record was not written. %1</source>
        <translation>Das Inbetriebnahmeprotokoll wurde nicht geschrieben. %1</translation>
    </message>
</context>
<context>
    <name>SelComm</name>
    <message>
        <source>Addresses 1 to 32</source>
        <translation>Adressen 1 bis 32</translation>
    </message>
    <message>
        <source>Addresses 1 to 247</source>
        <translation>Adressen 1 bis 247</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>No parity, 2 stop bits</source>
        <translation>Keine Parität, 2 Stoppbits</translation>
    </message>
    <message>
        <source>Even parity, 2 stop bits</source>
        <translation>Gerade Parität, 2 Stoppbits</translation>
    </message>
    <message>
        <source>Odd parity, 2 stop bits</source>
        <translation>Ungerade Parität, 2 Stoppbits</translation>
    </message>
    <message>
        <source>No parity, 1 stop bit</source>
        <translation>Keine Parität, 1 Stoppbit</translation>
    </message>
    <message>
        <source>Character format</source>
        <translation>Zeichenformat</translation>
    </message>
    <message>
        <source>RTS direction control</source>
        <translation>Richtungssteuerung über RTS</translation>
    </message>
    <message>
        <source>Close the port after each operation</source>
        <translation>Schnittstelle nach jedem Vorgang schließen</translation>
    </message>
    <message>
        <source>Searching address %1 ...</source>
        <translation>Suche Adresse %1 ...</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation>RS-232</translation>
    </message>
    <message>
        <source>RS-485</source>
        <translation>RS-485</translation>
    </message>
    <message>
        <source>Netbiter gateway (Modbus/TCP)</source>
        <translation>Netbiter-Gateway (Modbus/TCP)</translation>
    </message>
    <message>
        <source>LANMOD57 module (Modbus/TCP)</source>
        <translation>LANMOD57-Modul (Modbus/TCP)</translation>
    </message>
    <message>
        <source>Reply time-out</source>
        <translation>Antwort-Timeout</translation>
    </message>
    <message>
        <source>RS-485 addresses</source>
        <translation>RS-485-Adressen</translation>
    </message>
    <message>
        <source>Network devices</source>
        <translation>Netzwerkgeräte</translation>
    </message>
    <message>
        <source>RS-485 is offered only when the settings name it: set COMType = 1 in section [Interface] of %1 and open this dialog again. RS-232 stays in use.</source>
        <translation>RS-485 wird nur angeboten, wenn die Einstellungen es nennen: Setzen Sie COMType = 1 im Abschnitt [Interface] von %1 und öffnen Sie diesen Dialog erneut. RS-232 bleibt in Gebrauch.</translation>
    </message>
    <message>
        <source>A gateway is offered only when the settings name it: set COMType = 2 in section [Interface] of %1 and open this dialog again, then press Scan or add a gateway by its IP address. RS-232 stays in use.</source>
        <translation>Ein Gateway wird nur angeboten, wenn die Einstellungen es nennen: Setzen Sie COMType = 2 im Abschnitt [Interface] von %1, öffnen Sie diesen Dialog erneut und drücken Sie dann Suchen oder fügen Sie ein Gateway über seine IP-Adresse hinzu. RS-232 bleibt in Gebrauch.</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>Testing the connection ...</source>
        <translation>Verbindung wird getestet ...</translation>
    </message>
    <message>
        <source>The meter answered: %1, firmware %2, address %3.</source>
        <translation>Das Gerät hat geantwortet: %1, Firmware %2, Adresse %3.</translation>
    </message>
    <message>
        <source>No valid answer. Tried: %1</source>
        <translation>Keine gültige Antwort. Versucht: %1</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Meter address</source>
        <translation>Geräteadresse</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>LANMOD57-Modul</translation>
    </message>
</context>
<context>
    <name>ConfigSettings</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>limit output %1 %2/%3 %4</source>
        <translation>Grenzwertausgang %1 %2/%3 %4</translation>
    </message>
    <message>
        <source>pulse output %1 %2 /%3</source>
        <translation>Impulsausgang %1 %2 /%3</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>incoming/outgoing</source>
        <translation>Bezug/Lieferung</translation>
    </message>
    <message>
        <source>inductive/capacitive</source>
        <translation>induktiv/kapazitiv</translation>
    </message>
    <message>
        <source>%1, logged</source>
        <translation>%1, aufgezeichnet</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Gerätetyp</translation>
    </message>
    <message>
        <source>Current input range</source>
        <translation>Strommessbereich</translation>
    </message>
    <message>
        <source>Voltage input range</source>
        <translation>Spannungsmessbereich</translation>
    </message>
    <message>
        <source>Interface option</source>
        <translation>Schnittstellenoption</translation>
    </message>
    <message>
        <source>Network system</source>
        <translation>Netzsystem</translation>
    </message>
    <message>
        <source>Cos-phi correction</source>
        <translation>Cos-phi-Korrektur</translation>
    </message>
    <message>
        <source>Nominal frequency</source>
        <translation>Nennfrequenz</translation>
    </message>
    <message>
        <source>Frequency locked</source>
        <translation>Frequenz fest</translation>
    </message>
    <message>
        <source>Synchronisation interval</source>
        <translation>Synchronisationsintervall</translation>
    </message>
    <message>
        <source>Tariff input</source>
        <translation>Tarifeingang</translation>
    </message>
    <message>
        <source>External synchronisation</source>
        <translation>Externe Synchronisation</translation>
    </message>
    <message>
        <source>Logger mode</source>
        <translation>Loggerbetrieb</translation>
    </message>
    <message>
        <source>Logged quantities</source>
        <translation>Aufgezeichnete Größen</translation>
    </message>
    <message>
        <source>Display refresh time</source>
        <translation>Anzeige-Aktualisierungszeit</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Display mode locked</source>
        <translation>Anzeigemodus gesperrt</translation>
    </message>
    <message>
        <source>Loop time</source>
        <translation>Umlaufzeit</translation>
    </message>
    <message>
        <source>Reactive quantities</source>
        <translation>Blindgrößen</translation>
    </message>
    <message>
        <source>Current unbalance instead of IN</source>
        <translation>Stromunsymmetrie statt IN</translation>
    </message>
    <message>
        <source>Display pages (loop set)</source>
        <translation>Anzeigeseiten (Umlauf)</translation>
    </message>
    <message>
        <source>Display pages (user set)</source>
        <translation>Anzeigeseiten (Benutzer)</translation>
    </message>
    <message>
        <source>Mean value %1</source>
        <translation>Mittelwert %1</translation>
    </message>
    <message>
        <source>Min/max logger channel %1</source>
        <translation>Min/Max-Logger Kanal %1</translation>
    </message>
</context>
<context>
    <name>ConfigDiff</name>
    <message>
        <source>The configurations are the same.</source>
        <translation>Die Konfigurationen sind gleich.</translation>
    </message>
    <message>
        <source>Settings that differ: %1</source>
        <translation>Abweichende Einstellungen: %1</translation>
    </message>
    <message>
        <source>Compare configurations</source>
        <translation>Konfigurationen vergleichen</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Messgerät</translation>
    </message>
</context>
<context>
    <name>DetailsDialog</name>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
</context>
<context>
    <name>CommLogWindow</name>
    <message>
        <source>Requests %1 · good replies %2 · retries %3 · time-outs %4 · CRC errors %5 · exceptions %6 · reply time mean %7 ms, longest %8 ms</source>
        <translation>Anfragen %1 · gute Antworten %2 · Wiederholungen %3 · Zeitüberschreitungen %4 · CRC-Fehler %5 · Ausnahmen %6 · Antwortzeit Mittel %7 ms, längste %8 ms</translation>
    </message>
    <message>
        <source>All frames</source>
        <translation>Alle Telegramme</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Nur Probleme</translation>
    </message>
    <message>
        <source>Retries</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>Zeitüberschreitungen</translation>
    </message>
    <message>
        <source>CRC errors</source>
        <translation>CRC-Fehler</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>Ausnahmen</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation>Kommunikationsprotokoll</translation>
    </message>
    <message>
        <source>Save communication log</source>
        <translation>Kommunikationsprotokoll speichern</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save as text...</source>
        <translation>&amp;Als Text speichern...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>An&amp;zeigen:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Telegramme</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Compare configuration &amp;files...</source>
        <translation>&amp;Konfigurationsdateien vergleichen...</translation>
    </message>
    <message>
        <source>Compare file with &amp;meter...</source>
        <translation>Datei mit &amp;Messgerät vergleichen...</translation>
    </message>
    <message>
        <source>Communication &amp;log...</source>
        <translation>Kommunikations&amp;protokoll...</translation>
    </message>
    <message>
        <source>&amp;Voltage harmonics</source>
        <translation>&amp;Oberschwingungen Spannung</translation>
    </message>
    <message>
        <source>C&amp;urrent harmonics</source>
        <translation>Obe&amp;rschwingungen Strom</translation>
    </message>
    <message>
        <source>&amp;Reset logger...</source>
        <translation>Logger zu&amp;rücksetzen...</translation>
    </message>
    <message>
        <source>Commissioning &amp;record...</source>
        <translation>&amp;Inbetriebnahmeprotokoll...</translation>
    </message>
</context>
<context>
    <name>ProfilePanel</name>
    <message>
        <source>Profile display</source>
        <translation>Profilanzeige</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>All channels as lines</source>
        <translation>Alle Kanäle als Linien</translation>
    </message>
    <message>
        <source>First channel as bars</source>
        <translation>Erster Kanal als Balken</translation>
    </message>
    <message>
        <source>Printed %1 %2</source>
        <translation>Gedruckt %1 %2</translation>
    </message>
    <message>
        <source>&lt;&lt; P&amp;revious day</source>
        <translation>&lt;&lt; &amp;Vorheriger Tag</translation>
    </message>
    <message>
        <source>&amp;Next day &gt;&gt;</source>
        <translation>&amp;Nächster Tag &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Re&amp;store</source>
        <translation>Zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>ProfileGraph</name>
    <message>
        <source>The picture size must lie between 320x200 and 10000x10000.</source>
        <translation>Die Bildgröße muss zwischen 320x200 und 10000x10000 liegen.</translation>
    </message>
    <message>
        <source>The picture file must end in .png or .pdf.</source>
        <translation>Die Bilddatei muss auf .png oder .pdf enden.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>LivePanel</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Lit while the meter is being read</source>
        <translation>Leuchtet, während das Gerät gelesen wird</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>MinMaxDisp</name>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Minimal- und Maximalwerte</translation>
    </message>
    <message>
        <source>Voltage maxima</source>
        <translation>Spannungsmaxima</translation>
    </message>
    <message>
        <source>Current maxima</source>
        <translation>Strommaxima</translation>
    </message>
    <message>
        <source>Mean current maxima</source>
        <translation>Maxima der Strommittelwerte</translation>
    </message>
    <message>
        <source>Power maxima</source>
        <translation>Leistungsmaxima</translation>
    </message>
    <message>
        <source>Active power maxima</source>
        <translation>Wirkleistungsmaxima</translation>
    </message>
    <message>
        <source>Reactive power maxima</source>
        <translation>Blindleistungsmaxima</translation>
    </message>
    <message>
        <source>Apparent power maxima</source>
        <translation>Scheinleistungsmaxima</translation>
    </message>
    <message>
        <source>Voltage minima</source>
        <translation>Spannungsminima</translation>
    </message>
    <message>
        <source>Power factor minima and frequency</source>
        <translation>Leistungsfaktorminima und Frequenz</translation>
    </message>
    <message>
        <source>UNE maximum</source>
        <translation>UNE-Maximum</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Reset ticked extremes</source>
        <translation>Markierte Extremwerte &amp;zurücksetzen</translation>
    </message>
</context>
<context>
    <name>MeterDisp</name>
    <message>
        <source>Energy meters</source>
        <translation>Energiezähler</translation>
    </message>
    <message>
        <source>Active energy incoming</source>
        <translation>Wirkenergie Bezug</translation>
    </message>
    <message>
        <source>Active energy outgoing</source>
        <translation>Wirkenergie Lieferung</translation>
    </message>
    <message>
        <source>Reactive energy inductive</source>
        <translation>Blindenergie induktiv</translation>
    </message>
    <message>
        <source>Reactive energy capacitive</source>
        <translation>Blindenergie kapazitiv</translation>
    </message>
    <message>
        <source>Reactive energy incoming</source>
        <translation>Blindenergie Bezug</translation>
    </message>
    <message>
        <source>Reactive energy outgoing</source>
        <translation>Blindenergie Lieferung</translation>
    </message>
    <message>
        <source>Tariff 1 (high)</source>
        <translation>Tarif 1 (Hochtarif)</translation>
    </message>
    <message>
        <source>Tariff 2 (low)</source>
        <translation>Tarif 2 (Niedertarif)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nullen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>&amp;Set ticked registers</source>
        <translation>Markierte Zähler s&amp;etzen</translation>
    </message>
    <message>
        <source>&amp;Reset ticked registers</source>
        <translation>Markierte Zähler &amp;nullen</translation>
    </message>
    <message>
        <source>Switch &amp;tariff</source>
        <translation>&amp;Tarif umschalten</translation>
    </message>
    <message>
        <source>Reset %1</source>
        <translation>%1 nullen</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 setzen</translation>
    </message>
</context>
<context>
    <name>MeanDisp</name>
    <message>
        <source>Mean values</source>
        <translation>Mittelwerte</translation>
    </message>
    <message>
        <source>Power mean values</source>
        <translation>Leistungsmittelwerte</translation>
    </message>
    <message>
        <source>Free mean values</source>
        <translation>Frei wählbare Mittelwerte</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Last interval</source>
        <translation>Letztes Intervall</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Mean value</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Reset min</source>
        <translation>Min. zurücksetzen</translation>
    </message>
    <message>
        <source>Reset max</source>
        <translation>Max. zurücksetzen</translation>
    </message>
    <message>
        <source>no measurand</source>
        <translation>keine Messgröße</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>&amp;Reset ticked extremes</source>
        <translation>Markierte Extremwerte &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Reset minimum of %1</source>
        <translation>Minimum von %1 zurücksetzen</translation>
    </message>
    <message>
        <source>Reset maximum of %1</source>
        <translation>Maximum von %1 zurücksetzen</translation>
    </message>
</context>
<context>
    <name>HarmDisp</name>
    <message>
        <source>Voltage harmonics [%]</source>
        <translation>Oberschwingungen der Spannung [%]</translation>
    </message>
    <message>
        <source>Current harmonics [%]</source>
        <translation>Oberschwingungen des Stroms [%]</translation>
    </message>
    <message>
        <source>THD</source>
        <translation>THD</translation>
    </message>
    <message>
        <source>Voltage unbalance [%]</source>
        <translation>Spannungsunsymmetrie [%]</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Harmonic order</source>
        <translation>Ordnung der Oberschwingung</translation>
    </message>
    <message>
        <source>Share of the fundamental [%]</source>
        <translation>Anteil an der Grundschwingung [%]</translation>
    </message>
    <message>
        <source>&amp;Reset maxima</source>
        <translation>Maxima &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Harmonics</source>
        <translation>Oberschwingungen</translation>
    </message>
</context>
<context>
    <name>NetDevices</name>
    <message>
        <source>Add LANMOD57 module</source>
        <translation>LANMOD57-Modul hinzufügen</translation>
    </message>
    <message>
        <source>Add gateway</source>
        <translation>Gateway hinzufügen</translation>
    </message>
    <message>
        <source>Cancelled: nothing was sent to the gateway.</source>
        <translation>Abgebrochen: an das Gateway wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Communication error !</source>
        <translation>Kommunikationsfehler !</translation>
    </message>
    <message>
        <source>DHCP off (fixed address)</source>
        <translation>DHCP aus (feste Adresse)</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP ein</translation>
    </message>
    <message>
        <source>Default gateway</source>
        <translation>Standard-Gateway</translation>
    </message>
    <message>
        <source>Default password</source>
        <translation>Standardpasswort</translation>
    </message>
    <message>
        <source>Delete LANMOD57 module</source>
        <translation>LANMOD57-Modul löschen</translation>
    </message>
    <message>
        <source>Delete gateway</source>
        <translation>Gateway löschen</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>More than 256 devices answered; only the first 256 are listed.</source>
        <translation>Mehr als 256 Geräte haben geantwortet; nur die ersten 256 werden aufgeführt.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Open web page</source>
        <translation>Webseite öffnen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Password of the gateway</source>
        <translation>Passwort des Gateways</translation>
    </message>
    <message>
        <source>Scanning for Gateways...</source>
        <translation>Suche nach Gateways...</translation>
    </message>
    <message>
        <source>Scanning for LANMOD57 devices...</source>
        <translation>Suche nach LANMOD57-Geräten...</translation>
    </message>
    <message>
        <source>Some gateways sent incomplete or overlong settings; what did not fit was left out.</source>
        <translation>Einige Gateways haben unvollständige oder zu lange Einstellungen gesendet; was nicht passte, wurde weggelassen.</translation>
    </message>
    <message>
        <source>Store modified configuration data...</source>
        <translation>Geänderte Konfigurationsdaten werden gespeichert...</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>TCP-Port</translation>
    </message>
    <message>
        <source>UDP Open error !</source>
        <translation>UDP-Öffnungsfehler !</translation>
    </message>
    <message>
        <source>UDP Write error !</source>
        <translation>UDP-Schreibfehler !</translation>
    </message>
    <message>
        <source>No gateway known yet: press Scan, or add one by its IP address below.</source>
        <translation>Noch kein Gateway bekannt: Drücken Sie Suchen oder fügen Sie unten eines über seine IP-Adresse hinzu.</translation>
    </message>
    <message>
        <source>No LANMOD57 module known yet: press Scan, or add one by its IP address below.</source>
        <translation>Noch kein LANMOD57-Modul bekannt: Drücken Sie Suchen oder fügen Sie unten eines über seine IP-Adresse hinzu.</translation>
    </message>
    <message>
        <source>Add by IP address:</source>
        <translation>Über IP-Adresse hinzufügen:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Suchen</translation>
    </message>
</context>
<context>
    <name>LoggerPanel</name>
    <message>
        <source>(entered by hand)</source>
        <translation>(von Hand eingegeben)</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>At least 10 seconds.</source>
        <translation>Mindestens 10 Sekunden.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Channels in yellow hold no valid value.</source>
        <translation>Gelb markierte Kanäle enthalten keinen gültigen Wert.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <source>Interval (mm:ss):</source>
        <translation>Intervall (mm:ss):</translation>
    </message>
    <message>
        <source>Lit while the logger status is read</source>
        <translation>Leuchtet, während der Loggerstatus gelesen wird</translation>
    </message>
    <message>
        <source>Logger interval</source>
        <translation>Loggerintervall</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Minimal- und Maximalwerte</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Open logger file</source>
        <translation>Loggerdatei öffnen</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Datensätze:</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Sekunden:</translation>
    </message>
    <message>
        <source>Selected record:</source>
        <translation>Gewählter Datensatz:</translation>
    </message>
    <message>
        <source>Store logger file</source>
        <translation>Loggerdatei speichern</translation>
    </message>
    <message>
        <source>The file holds fewer than two records: an interval of 15 minutes is assumed.</source>
        <translation>Die Datei enthält weniger als zwei Datensätze: Ein Intervall von 15 Minuten wird angenommen.</translation>
    </message>
    <message>
        <source>Time of the newest record</source>
        <translation>Zeit des neuesten Datensatzes</translation>
    </message>
    <message>
        <source>Time span (dd:hh:mm):</source>
        <translation>Zeitspanne (tt:hh:mm):</translation>
    </message>
    <message>
        <source>Uncertain: the logger was interrupted at this record or a newer one.</source>
        <translation>Unsicher: Der Logger wurde bei diesem oder einem neueren Datensatz unterbrochen.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>The logger memory is full and stopped recording. When was its newest record taken?</source>
        <translation>Der Loggerspeicher ist voll und hat die Aufzeichnung beendet. Wann wurde sein neuester Datensatz aufgezeichnet?</translation>
    </message>
    <message>
        <source>The meter's interval is synchronised from outside. Enter the interval of its records:</source>
        <translation>Das Intervall des Messgeräts wird von außen synchronisiert. Geben Sie das Intervall seiner Datensätze ein:</translation>
    </message>
    <message>
        <source>Times in red are uncertain: the logger was interrupted at that record or a newer one.</source>
        <translation>Rot markierte Zeiten sind unsicher: Der Logger wurde bei diesem oder einem neueren Datensatz unterbrochen.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
</context>
<context>
    <name>ExcelExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Export logger data</source>
        <translation>Loggerdaten exportieren</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File saved</source>
        <translation>Datei gespeichert</translation>
    </message>
    <message>
        <source>The file was saved as
%1
No program to open it was found.</source>
        <translation>Die Datei wurde gespeichert als
%1
Es wurde kein Programm gefunden, das sie öffnet.</translation>
    </message>
</context>
<context>
    <name>Logger57</name>
    <message>
        <source>Date      Time</source>
        <translation>Datum     Zeit</translation>
    </message>
    <message>
        <source>Open logger file</source>
        <translation>Loggerdatei öffnen</translation>
    </message>
    <message>
        <source>Save logger file</source>
        <translation>Loggerdatei speichern</translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Minimal- und Maximalwerte</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>&lt; Pre&amp;vious sequence</source>
        <translation>&lt; &amp;Vorherige Sequenz</translation>
    </message>
    <message>
        <source>&amp;Next sequence &gt;</source>
        <translation>&amp;Nächste Sequenz &gt;</translation>
    </message>
    <message>
        <source>&amp;Read from module</source>
        <translation>Vom Modul &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Open file...</source>
        <translation>Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save file...</source>
        <translation>Datei &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Minimum and maximum</source>
        <translation>&amp;Minimum und Maximum</translation>
    </message>
    <message>
        <source>&amp;Profile graph</source>
        <translation>&amp;Profilgrafik</translation>
    </message>
    <message>
        <source>&amp;Export to Excel...</source>
        <translation>Nach &amp;Excel exportieren...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Minima and maxima</source>
        <translation>Minima und Maxima</translation>
    </message>
</context>
<context>
    <name>DispModePanel</name>
    <message>
        <source>Loop: %1 of %3 pages, user: %2 of %3 pages</source>
        <translation>Schleife: %1 von %3 Seiten, Benutzer: %2 von %3 Seiten</translation>
    </message>
    <message>
        <source>Click to switch the whole row</source>
        <translation>Klicken schaltet die ganze Zeile um</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Loop time</source>
        <translation>Schleifenzeit</translation>
    </message>
    <message>
        <source>Loop pages</source>
        <translation>Schleifenseiten</translation>
    </message>
    <message>
        <source>User pages</source>
        <translation>Benutzerseiten</translation>
    </message>
    <message>
        <source>Current unbalance instead of IN</source>
        <translation>Stromunsymmetrie statt IN</translation>
    </message>
    <message>
        <source>Display pages</source>
        <translation>Anzeigeseiten</translation>
    </message>
    <message>
        <source>Double-click a page or press Space to switch it; yellow pages are shown by the meter.</source>
        <translation>Doppelklick oder Leertaste schaltet eine Seite um; gelbe Seiten zeigt das Gerät an.</translation>
    </message>
    <message>
        <source>C&amp;lear set</source>
        <translation>Auswahl &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>SimulationPanel</name>
    <message>
        <source>The connection failed and the simulation has ended. The outputs have their functions back.</source>
        <translation>Die Verbindung ist ausgefallen, die Simulation ist beendet. Die Ausgänge haben ihre Funktionen zurück.</translation>
    </message>
    <message>
        <source>The connection failed and the simulation has ended, but the outputs could not be given their functions back. Check the connection and close: closing tries again.</source>
        <translation>Die Verbindung ist ausgefallen, die Simulation ist beendet, aber die Ausgänge konnten ihre Funktionen nicht zurückerhalten. Prüfen Sie die Verbindung und schließen Sie: Schließen versucht es erneut.</translation>
    </message>
    <message>
        <source>Digital output 2</source>
        <translation>Digitalausgang 2</translation>
    </message>
    <message>
        <source>Digital output 1</source>
        <translation>Digitalausgang 1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Simulation of the digital outputs</source>
        <translation>Simulation der Digitalausgänge</translation>
    </message>
    <message>
        <source>The outputs could not be given their limit or pulse functions back. Check the connection and close again to retry; if that fails too, send the configuration to the meter later to restore them.</source>
        <translation>Die Ausgänge konnten ihre Grenzwert- oder Impulsfunktionen nicht zurückerhalten. Prüfen Sie die Verbindung und schließen Sie erneut; schlägt auch das fehl, senden Sie die Konfiguration später an das Gerät, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source>The simulation did not start, and the outputs it freed could not be given their functions back.</source>
        <translation>Die Simulation ist nicht gestartet, und die freigegebenen Ausgänge konnten ihre Funktionen nicht zurückerhalten.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Display brightness</source>
        <translation>Anzeigehelligkeit</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Hell</translation>
    </message>
</context>
<context>
    <name>CommLog</name>
    <message>
        <source>request</source>
        <translation>Anfrage</translation>
    </message>
    <message>
        <source>retry %1</source>
        <translation>Wiederholung %1</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>Rundruf</translation>
    </message>
    <message>
        <source>good reply, %1 ms</source>
        <translation>gute Antwort, %1 ms</translation>
    </message>
    <message>
        <source>exception %1 (%2), %3 ms</source>
        <translation>Ausnahme %1 (%2), %3 ms</translation>
    </message>
    <message>
        <source>CRC error</source>
        <translation>CRC-Fehler</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>falsche Länge</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>connection closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>invalid reply</source>
        <translation>ungültige Antwort</translation>
    </message>
    <message>
        <source>illegal function</source>
        <translation>unzulässige Funktion</translation>
    </message>
    <message>
        <source>illegal data address</source>
        <translation>unzulässige Datenadresse</translation>
    </message>
    <message>
        <source>illegal data value</source>
        <translation>unzulässiger Datenwert</translation>
    </message>
    <message>
        <source>device failure</source>
        <translation>Gerätefehler</translation>
    </message>
    <message>
        <source>acknowledge</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>device busy</source>
        <translation>Gerät beschäftigt</translation>
    </message>
    <message>
        <source>gateway path unavailable</source>
        <translation>Gateway-Pfad nicht verfügbar</translation>
    </message>
    <message>
        <source>target device failed to respond</source>
        <translation>Zielgerät antwortet nicht</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>RS-485</source>
        <translation>RS-485</translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation>RS-232</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>LANMOD57-Modul</translation>
    </message>
    <message>
        <source>%1, address %2</source>
        <translation>%1, Adresse %2</translation>
    </message>
    <message>
        <source>%1, firmware %2</source>
        <translation>%1, Firmware %2</translation>
    </message>
    <message>
        <source>Online, last answer %1</source>
        <translation>Online, letzte Antwort %1</translation>
    </message>
    <message>
        <source>Offline, last answer %1</source>
        <translation>Offline, letzte Antwort %1</translation>
    </message>
    <message>
        <source>Offline, no answer yet</source>
        <translation>Offline, noch keine Antwort</translation>
    </message>
    <message>
        <source>the meter could not be reached.</source>
        <translation>das Messgerät war nicht erreichbar.</translation>
    </message>
    <message>
        <source>Configuration received from meter %1 at %2</source>
        <translation>Konfiguration von Messgerät %1 um %2 empfangen</translation>
    </message>
    <message>
        <source>Configuration received from the meter at %1</source>
        <translation>Konfiguration vom Messgerät um %1 empfangen</translation>
    </message>
    <message>
        <source>Receive failed: %1</source>
        <translation>Empfang fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Configuration sent to meter %1 at %2</source>
        <translation>Konfiguration um %2 an Messgerät %1 gesendet</translation>
    </message>
    <message>
        <source>Configuration sent to the meter at %1</source>
        <translation>Konfiguration um %1 an das Messgerät gesendet</translation>
    </message>
    <message>
        <source>Nothing sent at %1: the meter already holds this configuration</source>
        <translation>Um %1 nichts gesendet: Das Messgerät hat diese Konfiguration bereits</translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation>Senden fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Send cancelled: the meter was not changed</source>
        <translation>Senden abgebrochen: Das Messgerät wurde nicht geändert</translation>
    </message>
    <message>
        <source>Configuration changed, not sent</source>
        <translation>Konfiguration geändert, nicht gesendet</translation>
    </message>
    <message>
        <source>No meter has answered yet. Choose the interface the meter is connected to, or try the program with a simulated meter.</source>
        <translation>Noch hat kein Messgerät geantwortet. Wählen Sie die Schnittstelle, an der das Messgerät angeschlossen ist, oder probieren Sie das Programm mit einem simulierten Messgerät aus.</translation>
    </message>
</context>
<context>
    <name>InstallationPanel</name>
    <message>
        <source>No check applies to this network system.</source>
        <translation>Für dieses Netzsystem gibt es keine Prüfung.</translation>
    </message>
    <message>
        <source>All checks passed: the meter is wired right.</source>
        <translation>Alle Prüfungen bestanden: das Messgerät ist richtig angeschlossen.</translation>
    </message>
    <message>
        <source>Failed: %1, warnings: %2, passed: %3.</source>
        <translation>Nicht bestanden: %1, Warnungen: %2, bestanden: %3.</translation>
    </message>
    <message>
        <source>No check was made: the meter could not be read. Check the connection, then press Check again.</source>
        <translation>Keine Prüfung: das Messgerät konnte nicht gelesen werden. Prüfen Sie die Verbindung und drücken Sie dann „Erneut prüfen“.</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation>Installationsprüfung</translation>
    </message>
    <message>
        <source>Reading the meter...</source>
        <translation>Das Messgerät wird gelesen...</translation>
    </message>
</context>
<context>
    <name>InstallationCheck</name>
    <message>
        <source>The frequency is %2 Hz, within the band of its nominal value.</source>
        <translation>Die Frequenz beträgt %2 Hz und liegt im Band ihres Nennwerts.</translation>
    </message>
    <message>
        <source>The frequency is %2 Hz, off its nominal value: check the supply and the nominal frequency in the settings.</source>
        <translation>Die Frequenz beträgt %2 Hz und weicht vom Nennwert ab: Prüfen Sie die Versorgung und die Nennfrequenz in den Einstellungen.</translation>
    </message>
    <message>
        <source>The frequency lies outside the meter&apos;s range of 45 to 65 Hz: check the supply.</source>
        <translation>Die Frequenz liegt außerhalb des Messbereichs von 45 bis 65 Hz: Prüfen Sie die Versorgung.</translation>
    </message>
    <message>
        <source>Every phase carries voltage.</source>
        <translation>Jede Phase führt Spannung.</translation>
    </message>
    <message>
        <source>%1: no voltage: check the voltage connection and its fuse.</source>
        <translation>%1: keine Spannung: Prüfen Sie den Spannungsanschluss und seine Sicherung.</translation>
    </message>
    <message>
        <source>The voltages lie within %2 % of the nominal value.</source>
        <translation>Die Spannungen liegen innerhalb %2 % des Nennwerts.</translation>
    </message>
    <message>
        <source>%1: the voltage is up to %2 % off the nominal value: check the supply and the voltage transformer ratio in the settings.</source>
        <translation>%1: die Spannung weicht bis zu %2 % vom Nennwert ab: Prüfen Sie die Versorgung und das Übersetzungsverhältnis des Spannungswandlers in den Einstellungen.</translation>
    </message>
    <message>
        <source>The voltage unbalance is %2 %.</source>
        <translation>Die Spannungsunsymmetrie beträgt %2 %.</translation>
    </message>
    <message>
        <source>%1: the voltage deviates %2 % from the mean of the phases: check the supply and the voltage connections.</source>
        <translation>%1: die Spannung weicht %2 % vom Mittel der Phasen ab: Prüfen Sie die Versorgung und die Spannungsanschlüsse.</translation>
    </message>
    <message>
        <source>The phase-to-phase voltages match the phase voltages.</source>
        <translation>Die Außenleiterspannungen passen zu den Strangspannungen.</translation>
    </message>
    <message>
        <source>%1: the phase-to-phase voltage differs %2 % from what the phase voltages give: check that each voltage input is on its own phase, in sequence.</source>
        <translation>%1: die Außenleiterspannung weicht %2 % von dem ab, was die Strangspannungen ergeben: Prüfen Sie, dass jeder Spannungseingang an seiner eigenen Phase liegt, in der richtigen Reihenfolge.</translation>
    </message>
    <message>
        <source>No current flows on a phase without voltage.</source>
        <translation>Auf keiner Phase ohne Spannung fließt Strom.</translation>
    </message>
    <message>
        <source>%1: current flows but the voltage is missing: connect the voltage of this phase (check its fuse and terminal).</source>
        <translation>%1: Strom fließt, aber die Spannung fehlt: Schließen Sie die Spannung dieser Phase an (prüfen Sie Sicherung und Klemme).</translation>
    </message>
    <message>
        <source>The load is %2 % of the current transformer rating: enough to judge.</source>
        <translation>Die Last beträgt %2 % des Stromwandler-Nennstroms: genug für eine Beurteilung.</translation>
    </message>
    <message>
        <source>The load is only %2 % of the current transformer rating: too little to judge the current transformers; check again under load.</source>
        <translation>Die Last beträgt nur %2 % des Stromwandler-Nennstroms: zu wenig, um die Stromwandler zu beurteilen; prüfen Sie erneut unter Last.</translation>
    </message>
    <message>
        <source>The active power of every phase has the sign of the total.</source>
        <translation>Die Wirkleistung jeder Phase hat das Vorzeichen der Summe.</translation>
    </message>
    <message>
        <source>%1: the active power opposes the total: the current transformer is probably reversed (check K/L or P1/P2).</source>
        <translation>%1: die Wirkleistung ist der Summe entgegengesetzt: Der Stromwandler ist wahrscheinlich verpolt (prüfen Sie K/L bzw. P1/P2).</translation>
    </message>
    <message>
        <source>%1: not judged, as the current transformers of these phases look swapped (see the power factors).</source>
        <translation>%1: nicht beurteilt, da die Stromwandler dieser Phasen vertauscht scheinen (siehe Leistungsfaktoren).</translation>
    </message>
    <message>
        <source>The power factors of the phases are plausible.</source>
        <translation>Die Leistungsfaktoren der Phasen sind plausibel.</translation>
    </message>
    <message>
        <source>%1: the power factors of both phases are implausible: their current transformers are probably swapped.</source>
        <translation>%1: die Leistungsfaktoren beider Phasen sind unplausibel: Ihre Stromwandler sind wahrscheinlich vertauscht.</translation>
    </message>
    <message>
        <source>%1: the power factor is low while the other phases&apos; is high: the current transformer is probably on the wrong phase.</source>
        <translation>%1: der Leistungsfaktor ist niedrig, der der anderen Phasen hoch: Der Stromwandler sitzt wahrscheinlich auf der falschen Phase.</translation>
    </message>
    <message>
        <source>%1: the power factor is low, but so is the load&apos;s: check again with a load of high power factor.</source>
        <translation>%1: der Leistungsfaktor ist niedrig, aber auch der der Last: Prüfen Sie erneut mit einer Last mit hohem Leistungsfaktor.</translation>
    </message>
    <message>
        <source>The currents reach %2 % of the current transformer rating.</source>
        <translation>Die Ströme erreichen %2 % des Stromwandler-Nennstroms.</translation>
    </message>
    <message>
        <source>%1: the current reaches %2 % of the current transformer rating: check the transformer ratio in the settings and the transformer fitted.</source>
        <translation>%1: der Strom erreicht %2 % des Stromwandler-Nennstroms: Prüfen Sie das Übersetzungsverhältnis in den Einstellungen und den eingebauten Wandler.</translation>
    </message>
    <message>
        <source>The current unbalance is %2 %.</source>
        <translation>Die Stromunsymmetrie beträgt %2 %.</translation>
    </message>
    <message>
        <source>%1: the current deviates %2 % from the mean of the phases: check the distribution of the load and the current transformers.</source>
        <translation>%1: der Strom weicht %2 % vom Mittel der Phasen ab: Prüfen Sie die Verteilung der Last und die Stromwandler.</translation>
    </message>
    <message>
        <source>The neutral current is %2 % of the mean phase current.</source>
        <translation>Der Neutralleiterstrom beträgt %2 % des mittleren Phasenstroms.</translation>
    </message>
    <message>
        <source>The neutral current is %2 % of the mean phase current: check that each current transformer sits on its phase, and the balance of the load.</source>
        <translation>Der Neutralleiterstrom beträgt %2 % des mittleren Phasenstroms: Prüfen Sie, dass jeder Stromwandler auf seiner Phase sitzt, und die Symmetrie der Last.</translation>
    </message>
    <message>
        <source>No valid reading to judge: check again, and check the meter&apos;s connection if it persists.</source>
        <translation>Kein gültiger Messwert zur Beurteilung: Prüfen Sie erneut und, falls es bleibt, die Verbindung zum Zähler.</translation>
    </message>
    <message>
        <source>Not judged: less than %2 % of the current transformer rating flows on every phase; check again under load.</source>
        <translation>Nicht beurteilt: Auf jeder Phase fließen weniger als %2 % des Stromwandler-Nennstroms; prüfen Sie erneut unter Last.</translation>
    </message>
    <message>
        <source>Not judged: too few phases carry voltage.</source>
        <translation>Nicht beurteilt: Zu wenige Phasen führen Spannung.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Voltage present</source>
        <translation>Spannung vorhanden</translation>
    </message>
    <message>
        <source>Voltage level</source>
        <translation>Spannungshöhe</translation>
    </message>
    <message>
        <source>Voltage unbalance</source>
        <translation>Spannungsunsymmetrie</translation>
    </message>
    <message>
        <source>Phase-to-phase voltages</source>
        <translation>Außenleiterspannungen</translation>
    </message>
    <message>
        <source>Current without voltage</source>
        <translation>Strom ohne Spannung</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Direction of active power</source>
        <translation>Richtung der Wirkleistung</translation>
    </message>
    <message>
        <source>Power factors</source>
        <translation>Leistungsfaktoren</translation>
    </message>
    <message>
        <source>Current transformer rating</source>
        <translation>Stromwandler-Nennstrom</translation>
    </message>
    <message>
        <source>Current unbalance</source>
        <translation>Stromunsymmetrie</translation>
    </message>
    <message>
        <source>Neutral current</source>
        <translation>Neutralleiterstrom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>CommissioningRecord</name>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>LANMOD57-Modul</translation>
    </message>
    <message>
        <source>Measurand</source>
        <translation>Messgröße</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Messwert</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation>Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Techniker</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Messgerät</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>%1, extension %2</source>
        <translation>%1, Erweiterung %2</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation>Installationsprüfung</translation>
    </message>
    <message>
        <source>No check applies to this meter.</source>
        <translation>Für dieses Messgerät gilt keine Prüfung.</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>Instantaneous values</source>
        <translation>Momentanwerte</translation>
    </message>
    <message>
        <source>Energy registers</source>
        <translation>Energiezähler</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Minimal- und Maximalwerte</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation>Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>The &amp;panel shown</source>
        <translation>Die angezeigte &amp;Ansicht</translation>
    </message>
    <message>
        <source>The commissioning &amp;record</source>
        <translation>Das Inbetriebnahme&amp;protokoll</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>An&amp;lage:</translation>
    </message>
    <message>
        <source>&amp;Technician:</source>
        <translation>&amp;Techniker:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Bemerkung:</translation>
    </message>
</context>
</TS>
