<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Configuration and measurement program for multifunction power meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>Voltage transformer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current transformer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital output 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital output 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bus settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigTransfer</name>
    <message>
        <source>The meter&apos;s previous configuration was saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup of the meter&apos;s configuration could be saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model: %1
Firmware: %2
Version: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogMessages</name>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data transfer in progress...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 phase, 2 wires (L-N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 phases, 3 wires, balanced load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 phases, 4 wires, balanced load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 phases, 3 wires, 2 current transformers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 phases, 3 wires, unbalanced load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 phases, 4 wires, unbalanced load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 phases, 4 wires, 3 voltage transformers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free (simulation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronisation input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tariff input (HT/LT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop when full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite oldest records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no parity, 2 stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>even parity, 2 stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odd parity, 2 stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no parity, 1 stop bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop by key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZARO standard meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZRM3 extended meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZRM3 with LANMOD57 module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulated meter could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zaro-sim was found neither beside the program nor in /usr/bin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the demo settings could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo — simulated meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program could not be started a second time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ZARO Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help pages were not found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainPanel</name>
    <message>
        <source>Device and interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>without interface option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with interface option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network system and transformers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cos-phi correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nominal frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive quantities as incoming/outgoing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated recording time (days:hours:minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/max logger (LANMOD57)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description of the meter (at most 47 characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display &amp;pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;logger...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, primary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, secondary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean value %1, measurand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean value %1, logged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/max channel %1, measurand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/max channel %1, recording</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeasDisp</name>
    <message>
        <source>Voltages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instantaneous values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lit while the meter is being read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Measurands</name>
    <message>
        <source>P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U1N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U2N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U3N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iavg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I1avg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I2avg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I3avg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PF1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PF2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PF3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unb.I</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;easurements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Receive configuration from meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sen&amp;d configuration to meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Version information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart &amp;mean-value interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Interface...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instantaneous values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;nimum and maximum values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Energy meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mean values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Harmonics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Simulation of digital outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger &amp;without meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display &amp;pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Brightness...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ZARO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back to the configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open logger file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save logger file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read from meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Profile graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport to Excel...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minimum and maximum values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try with a &amp;simulated meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rese&amp;t logger...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation chec&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The serial port does not exist or is used by another program. Choose another port in the interface dialog or close the other program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port could not be configured. Check the port settings in the interface dialog and reconnect the converter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter&apos;s reply was incomplete or damaged. Check the cable and the connections, and that only one meter uses this address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No connection to the LANMOD57 module. Check its IP address, the network cable and that the module is switched on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No connection to the gateway. Check its IP address, the TCP port and the network cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request could not be sent over the network. The connection was closed; try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gave no valid reply in time. Check its connection to the meter and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closed the connection before it replied. The request may have been carried out: check the result, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The LANMOD57 module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The gateway gave no reply in time. Check the gateway and the meters behind it, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The addressed device does not respond. Check the device address and the device&apos;s connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be opened. Check the name and that you may read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has the wrong format and was not loaded. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration is for a 1 A current input, but the meter has a 5 A input. Choose the meter&apos;s current range and send again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration is for a 5 A current input, but the meter has a 1 A input. Choose the meter&apos;s current range and send again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration is for another meter model. Choose the meter&apos;s model and send again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This meter does not measure harmonics. Harmonics are available on the ZRM3 model only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IP address is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subnet mask is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default gateway address is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MAC address is not valid. Enter six pairs of hex digits 0-9, A-F separated by &apos;-&apos;, for example 00-30-11-0A-0B-0C.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the configuration to the meter now? The meter&apos;s settings will be overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the meter&apos;s logger? All logged records will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulation frees the digital outputs from their limit or pulse function until it ends. Start the simulation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter&apos;s logger cannot be read (no meter, or nothing is logged). Open the logger anyway to work with files?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the display refresh time. Send the configuration without it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the cos-phi correction. Send the configuration without it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the current unbalance display. Send the configuration without it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module&apos;s firmware may not support the min/max logger. Send the min/max logger settings anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logged quantities change. The logger should be cleared, or its records will no longer match. Continue sending?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current input range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZARO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected message (%1, %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter's present configuration could not be backed up, so this send could not be undone. Send without a backup?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration holds values a configuration file cannot keep (for example a transformer ratio out of range). Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter reports an energy scale that this program cannot show (more than 10^9 or less than 10^-9 Wh per count). The meters panel stays closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value to set is not a number the energy register can hold (0 up to its largest count). Nothing was written: correct the value and set again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was exported. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be created there. Choose another folder or name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written completely. Check the free space and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records do not fit into the 1048576 rows of a worksheet. Export them as CSV instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logged records are incomplete. Read the logger or open the file again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module's logger data cannot be shown: %1. Download it again or open another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The LANMOD57 module did not finish sending its logger data in time. Check the network connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module's logger data is larger than 4 MiB and was not taken. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error: the module's reply was not a valid HTTP reply (data transmission failure). Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The LANMOD57 module refused the logger download (%1). Check the module's address and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid structure of logger data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than 255 sequences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than 23 channels in a sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than 699050 values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than 299593 time stamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records lie more than a day apart, so the profile graph, which shows one day at a time, cannot draw them. Check the logging interval and the dates and times of the records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file could not be written. Check that the settings folder exists and that you may write to it, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was not saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That name belongs to a folder, a link or a device, not to a file. Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the ticked energy registers to zero? The energy they counted, shown below, will be lost for good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the ticked energy registers to the values below? The energy they counted will be overwritten for good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the ticked minimum and maximum values? The extremes the meter recorded will be lost for good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset all minimum and maximum values? Every extreme the meter recorded will be lost for good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart the mean-value interval now? The means of the running interval will be lost for good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the maxima of the voltage harmonics, the THD and the voltage unbalance? The maxima the meter recorded will be lost for good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the maxima of the current harmonics and the THD? The maxima the meter recorded will be lost for good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the ticked minima and maxima of the mean values? The extremes the meter recorded will be lost for good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration was changed and the changes were not saved. Save them to a file first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter does not answer (port, address, baud rate, format, time-out: %1). Check the cable, the port, the address and the baud rate, and that the meter is switched on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test found no meter: the version request got no valid answer (port, address, baud rate, format, time-out: %1). Check the cable, the port, the address and the baud rate, and that the meter is switched on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test found no meter: the version request got no valid answer (IP address and TCP port, meter address, time-out: %1). Check the IP address, the network cable and the meter behind the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The commissioning record was not written. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelComm</name>
    <message>
        <source>Addresses 1 to 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addresses 1 to 247</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No parity, 2 stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even parity, 2 stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd parity, 2 stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No parity, 1 stop bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS direction control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the port after each operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching address %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS-485</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netbiter gateway (Modbus/TCP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LANMOD57 module (Modbus/TCP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply time-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS-485 addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS-485 is offered only when the settings name it: set COMType = 1 in section [Interface] of %1 and open this dialog again. RS-232 stays in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A gateway is offered only when the settings name it: set COMType = 2 in section [Interface] of %1 and open this dialog again, then press Scan or add a gateway by its IP address. RS-232 stays in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing the connection ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter answered: %1, firmware %2, address %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid answer. Tried: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Meter address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigSettings</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limit output %1 %2/%3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pulse output %1 %2 /%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>incoming/outgoing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inductive/capacitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, logged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current input range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage input range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cos-phi correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nominal frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronisation interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tariff input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logged quantities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display refresh time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display mode locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive quantities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current unbalance instead of IN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display pages (loop set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display pages (user set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean value %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/max logger channel %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigDiff</name>
    <message>
        <source>The configurations are the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings that differ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare configurations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DetailsDialog</name>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommLogWindow</name>
    <message>
        <source>Requests %1 · good replies %2 · retries %3 · time-outs %4 · CRC errors %5 · exceptions %6 · reply time mean %7 ms, longest %8 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save communication log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Compare configuration &amp;files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare file with &amp;meter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication &amp;log...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voltage harmonics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;urrent harmonics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset logger...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commissioning &amp;record...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfilePanel</name>
    <message>
        <source>Profile display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All channels as lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First channel as bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; P&amp;revious day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next day &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileGraph</name>
    <message>
        <source>The picture size must lie between 320x200 and 10000x10000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture file must end in .png or .pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LivePanel</name>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lit while the meter is being read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MinMaxDisp</name>
    <message>
        <source>Minimum and maximum values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage maxima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current maxima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean current maxima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power maxima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active power maxima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive power maxima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apparent power maxima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage minima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power factor minima and frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNE maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset ticked extremes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeterDisp</name>
    <message>
        <source>Energy meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active energy incoming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active energy outgoing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive energy inductive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive energy capacitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive energy incoming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive energy outgoing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tariff 1 (high)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tariff 2 (low)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set ticked registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset ticked registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch &amp;tariff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeanDisp</name>
    <message>
        <source>Mean values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power mean values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free mean values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no measurand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset ticked extremes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset minimum of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset maximum of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HarmDisp</name>
    <message>
        <source>Voltage harmonics [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current harmonics [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage unbalance [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonic order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share of the fundamental [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset maxima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetDevices</name>
    <message>
        <source>Add LANMOD57 module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: nothing was sent to the gateway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP off (fixed address)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete LANMOD57 module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than 256 devices answered; only the first 256 are listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password of the gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning for Gateways...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning for LANMOD57 devices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some gateways sent incomplete or overlong settings; what did not fit was left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store modified configuration data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP Open error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP Write error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No gateway known yet: press Scan, or add one by its IP address below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No LANMOD57 module known yet: press Scan, or add one by its IP address below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add by IP address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoggerPanel</name>
    <message>
        <source>(entered by hand)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least 10 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels in yellow hold no valid value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval (mm:ss):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lit while the logger status is read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open logger file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected record:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store logger file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds fewer than two records: an interval of 15 minutes is assumed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of the newest record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time span (dd:hh:mm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncertain: the logger was interrupted at this record or a newer one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger memory is full and stopped recording. When was its newest record taken?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter's interval is synchronised from outside. Enter the interval of its records:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times in red are uncertain: the logger was interrupted at that record or a newer one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExcelExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export logger data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was saved as
%1
No program to open it was found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Logger57</name>
    <message>
        <source>Date      Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open logger file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save logger file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Pre&amp;vious sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next sequence &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read from module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minimum and maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Profile graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export to Excel...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minima and maxima</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DispModePanel</name>
    <message>
        <source>Loop: %1 of %3 pages, user: %2 of %3 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to switch the whole row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current unbalance instead of IN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a page or press Space to switch it; yellow pages are shown by the meter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimulationPanel</name>
    <message>
        <source>The connection failed and the simulation has ended. The outputs have their functions back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection failed and the simulation has ended, but the outputs could not be given their functions back. Check the connection and close: closing tries again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital output 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital output 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation of the digital outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The outputs could not be given their limit or pulse functions back. Check the connection and close again to retry; if that fails too, send the configuration to the meter later to restore them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulation did not start, and the outputs it freed could not be given their functions back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Display brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bright</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommLog</name>
    <message>
        <source>request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>good reply, %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exception %1 (%2), %3 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connection closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>illegal function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>illegal data address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>illegal data value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>acknowledge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gateway path unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>target device failed to respond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>RS-485</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, address %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, firmware %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online, last answer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline, last answer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline, no answer yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the meter could not be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration received from meter %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration received from the meter at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration sent to meter %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration sent to the meter at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing sent at %1: the meter already holds this configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send cancelled: the meter was not changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration changed, not sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No meter has answered yet. Choose the interface the meter is connected to, or try the program with a simulated meter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallationPanel</name>
    <message>
        <source>No check applies to this network system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All checks passed: the meter is wired right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1, warnings: %2, passed: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No check was made: the meter could not be read. Check the connection, then press Check again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the meter...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallationCheck</name>
    <message>
        <source>The frequency is %2 Hz, within the band of its nominal value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequency is %2 Hz, off its nominal value: check the supply and the nominal frequency in the settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequency lies outside the meter&apos;s range of 45 to 65 Hz: check the supply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every phase carries voltage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no voltage: check the voltage connection and its fuse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The voltages lie within %2 % of the nominal value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the voltage is up to %2 % off the nominal value: check the supply and the voltage transformer ratio in the settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The voltage unbalance is %2 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the voltage deviates %2 % from the mean of the phases: check the supply and the voltage connections.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phase-to-phase voltages match the phase voltages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the phase-to-phase voltage differs %2 % from what the phase voltages give: check that each voltage input is on its own phase, in sequence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No current flows on a phase without voltage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: current flows but the voltage is missing: connect the voltage of this phase (check its fuse and terminal).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The load is %2 % of the current transformer rating: enough to judge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The load is only %2 % of the current transformer rating: too little to judge the current transformers; check again under load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The active power of every phase has the sign of the total.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the active power opposes the total: the current transformer is probably reversed (check K/L or P1/P2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not judged, as the current transformers of these phases look swapped (see the power factors).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The power factors of the phases are plausible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the power factors of both phases are implausible: their current transformers are probably swapped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the power factor is low while the other phases&apos; is high: the current transformer is probably on the wrong phase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the power factor is low, but so is the load&apos;s: check again with a load of high power factor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The currents reach %2 % of the current transformer rating.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the current reaches %2 % of the current transformer rating: check the transformer ratio in the settings and the transformer fitted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current unbalance is %2 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the current deviates %2 % from the mean of the phases: check the distribution of the load and the current transformers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The neutral current is %2 % of the mean phase current.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The neutral current is %2 % of the mean phase current: check that each current transformer sits on its phase, and the balance of the load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid reading to judge: check again, and check the meter&apos;s connection if it persists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not judged: less than %2 % of the current transformer rating flows on every phase; check again under load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not judged: too few phases carry voltage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage unbalance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase-to-phase voltages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current without voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction of active power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power factors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current transformer rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current unbalance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neutral current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommissioningRecord</name>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technician</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, extension %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No check applies to this meter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instantaneous values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;panel shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The commissioning &amp;record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Technician:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
