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
        <source>0.5 s</source>
        <translation>0,5 s</translation>
    </message>
    <message>
        <source>1 s</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2 s</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>3 s</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>4 s</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>5 s</source>
        <translation>5 s</translation>
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
        <source>Display pages...</source>
        <translation>Anzeigeseiten...</translation>
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
        <source>Clear logger...</source>
        <translation>Logger löschen...</translation>
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
        <translation>&amp;Schnittstelle...</translation>
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
        <translation>Logger &amp;ohne Messgerät</translation>
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
        <source>The meter does not answer. Check the cable, the port, the address and the baud rate, and that the meter is switched on.</source>
        <translation>Das Gerät antwortet nicht. Prüfen Sie Kabel, Schnittstelle, Adresse und Baudrate, und ob das Gerät eingeschaltet ist.</translation>
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
        <source>Search</source>
        <translation>Suchen</translation>
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
        <source>Close</source>
        <translation>Schließen</translation>
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
        <source>Clear set</source>
        <translation>Auswahl leeren</translation>
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
        <source>Display pages</source>
        <translation>Anzeigeseiten</translation>
    </message>
    <message>
        <source>Double-click a page or press Space to switch it; yellow pages are shown by the meter.</source>
        <translation>Doppelklick oder Leertaste schaltet eine Seite um; gelbe Seiten zeigt das Gerät an.</translation>
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
        <source>Close</source>
        <translation>Schließen</translation>
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
</TS>
