<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>kavimo</name>
    <message>
        <source>The demo cannot start: %1.</source>
        <translation>The demo cannot start: %1.</translation>
    </message>
    <message>
        <source>Oral image acquisition system</source>
        <translation>Oral image acquisition system</translation>
    </message>
    <message>
        <source>the running kavimo did not open patient %1: %2</source>
        <translation>the running kavimo did not open patient %1: %2</translation>
    </message>
    <message>
        <source>the patient was not opened: %1</source>
        <translation>the patient was not opened: %1</translation>
    </message>
    <message>
        <source>kavimo cannot start: %1.</source>
        <translation>kavimo cannot start: %1.</translation>
    </message>
    <message>
        <source>the pictures were not exported: %1</source>
        <translation>the pictures were not exported: %1</translation>
    </message>
    <message>
        <source>the pictures were not shown: %1</source>
        <translation>the pictures were not shown: %1</translation>
    </message>
    <message>
        <source>the camera link cannot open its sockets on 127.0.0.1</source>
        <translation>the camera link cannot open its sockets on 127.0.0.1</translation>
    </message>
    <message>
        <source>The patient %1 of the practice-management system could not be opened: %2.</source>
        <translation>The patient %1 of the practice-management system could not be opened: %2.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Snap</translation>
    </message>
    <message>
        <source>ID：</source>
        <translation>ID: </translation>
    </message>
    <message>
        <source>Name：</source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Sex：</source>
        <translation>Sex: </translation>
    </message>
    <message>
        <source>Age：</source>
        <translation>Age: </translation>
    </message>
    <message>
        <source>Phone：</source>
        <translation>Phone: </translation>
    </message>
    <message>
        <source>ID：UID%1</source>
        <translation>ID: UID%1</translation>
    </message>
    <message>
        <source>Age：%1</source>
        <translation>Age: %1</translation>
    </message>
    <message>
        <source>Age：%1 (born %2)</source>
        <translation>Age: %1 (born %2)</translation>
    </message>
    <message>
        <source>The diagnosis has not been saved. Save it?</source>
        <translation>The diagnosis has not been saved. Save it?</translation>
    </message>
    <message>
        <source>The strokes on the picture have not been saved. Save them?</source>
        <translation>The strokes on the picture have not been saved. Save them?</translation>
    </message>
    <message>
        <source>Pickup</source>
        <translation>Pick up</translation>
    </message>
    <message>
        <source>WIFI connected！</source>
        <translation>WiFi connected!</translation>
    </message>
    <message>
        <source>WIFI disconnect！</source>
        <translation>WiFi disconnected!</translation>
    </message>
    <message>
        <source>Settings(&amp;S)...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>关于 kavimo(&amp;A)...</source>
        <translation>&amp;About kavimo...</translation>
    </message>
    <message>
        <source>Export as DICOM…</source>
        <translation>Export as DICOM…</translation>
    </message>
    <message>
        <source>Send to PACS</source>
        <translation>Send to PACS</translation>
    </message>
    <message>
        <source>Revert to original</source>
        <translation>Revert to original</translation>
    </message>
    <message>
        <source>Restore deleted pictures…</source>
        <translation>Restore deleted pictures…</translation>
    </message>
    <message>
        <source>Teeth and view…</source>
        <translation>Teeth and view…</translation>
    </message>
    <message>
        <source>Show pictures of a tooth or view…</source>
        <translation>Show pictures of a tooth or view…</translation>
    </message>
    <message>
        <source>Show all pictures</source>
        <translation>Show all pictures</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp)</source>
        <translation>Pictures (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <source>Please select output dir：</source>
        <translation>Please select the output folder:</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>not a picture</translation>
    </message>
    <message>
        <source>a %1 picture that cannot be read: %2</source>
        <translation>a %1 picture that cannot be read: %2</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>Save Pic</source>
        <translation>Save Pic</translation>
    </message>
    <message>
        <source>Fail to Save！</source>
        <translation>Failed to save!</translation>
    </message>
    <message>
        <source>Fail to Save！
%1</source>
        <translation>Failed to save!
%1</translation>
    </message>
    <message>
        <source>Fail to save picture！</source>
        <translation>Failed to save the picture!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>the picture could not be read, so it is not written over</source>
        <translation>the picture could not be read, so it is not written over</translation>
    </message>
    <message>
        <source>not a picture in the patient&apos;s directory</source>
        <translation>not a picture in the patient&apos;s directory</translation>
    </message>
    <message>
        <source>its original cannot be kept: </source>
        <translation>its original cannot be kept: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Fail to Save！
%1: %2</source>
        <translation>Failed to save!
%1: %2</translation>
    </message>
    <message>
        <source>Revert %1 to the picture as it was taken?
The strokes saved on it are lost.</source>
        <translation>Revert %1 to the picture as it was taken?
The strokes saved on it are lost.</translation>
    </message>
    <message>
        <source>Fail to revert！
%1: %2</source>
        <translation>Failed to revert!
%1: %2</translation>
    </message>
    <message>
        <source>Restore deleted pictures</source>
        <translation>Restore deleted pictures</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>no free picture name</source>
        <translation>no free picture name</translation>
    </message>
    <message>
        <source>Fail to import:
%1</source>
        <translation>Failed to import:
%1</translation>
    </message>
    <message>
        <source>picture output</source>
        <translation>picture output</translation>
    </message>
    <message>
        <source>This patient has no pictures to export.</source>
        <translation>This patient has no pictures to export.</translation>
    </message>
    <message>
        <source>No picture is picked. Export the patient&apos;s picture?</source>
        <translation>No picture is picked. Export the patient&apos;s picture?</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose another one.</source>
        <translation>The folder %1 does not exist. Choose another one.</translation>
    </message>
    <message>
        <source>picture %1: it is no longer in the patient&apos;s list</source>
        <translation>picture %1: it is no longer in the patient&apos;s list</translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation>%1: not a file name</translation>
    </message>
    <message>
        <source>%1

Fail to export:
%2</source>
        <translation>%1

Failed to export:
%2</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>

Delete the picture of %1-%2-%3 %4:%5:%6?
It goes to the trash, from which it can be restored for %7 days.</source>
        <translation>

Delete the picture of %1-%2-%3 %4:%5:%6?
It goes to the trash, from which it can be restored for %7 days.</translation>
    </message>
    <message>
        <source>Picture delete</source>
        <translation>Delete picture</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Drop</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>DICOMDIR: %1</source>
        <translation>DICOMDIR: %1</translation>
    </message>
    <message>
        <source>%1 of %2 to %3%4%5</source>
        <translation>%1 of %2 to %3%4%5</translation>
    </message>
    <message>
        <source>; cancelled</source>
        <translation>; cancelled</translation>
    </message>
    <message>
        <source>; failed: </source>
        <translation>; failed: </translation>
    </message>
    <message>
        <source>The patient has no pictures to export.</source>
        <translation>The patient has no pictures to export.</translation>
    </message>
    <message>
        <source>Export as DICOM</source>
        <translation>Export as DICOM</translation>
    </message>
    <message>
        <source>Invalid dir</source>
        <translation>Invalid folder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The patient has no pictures to send.</source>
        <translation>The patient has no pictures to send.</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>The camera&apos;s video cannot be received: UDP port %1 (%2) is not available.</source>
        <translation>The camera&apos;s video cannot be received: UDP port %1 (%2) is not available.</translation>
    </message>
    <message>
        <source>Restore the unsaved work of %1 from %2?</source>
        <translation>Restore the unsaved work of %1 from %2?</translation>
    </message>
    <message>
        <source>Teeth </source>
        <translation>Teeth </translation>
    </message>
    <message>
        <source>The teeth of %1 were not given to %2:
%3</source>
        <translation>The teeth of %1 were not given to %2:
%3</translation>
    </message>
    <message>
        <source>The teeth were not stored:
%1</source>
        <translation>The teeth were not stored:
%1</translation>
    </message>
    <message>
        <source>Show pictures of</source>
        <translation>Show pictures of</translation>
    </message>
    <message>
        <source>A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Empty shows every picture.</source>
        <translation>A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Empty shows every picture.</translation>
    </message>
    <message>
        <source>1–32 or A–T</source>
        <translation>1–32 or A–T</translation>
    </message>
    <message>
        <source>UR1, LLA</source>
        <translation>UR1, LLA</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a tooth nor a view.</source>
        <translation>&quot;%1&quot; is neither a tooth nor a view.</translation>
    </message>
    <message>
        <source>Show a picture, or pick two, to compare.</source>
        <translation>Show a picture, or pick two, to compare.</translation>
    </message>
    <message>
        <source>The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.</source>
        <translation>The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.</translation>
    </message>
    <message>
        <source>No earlier picture shows the same teeth.</source>
        <translation>No earlier picture shows the same teeth.</translation>
    </message>
    <message>
        <source>kavimo is starting or closing</source>
        <translation>kavimo is starting or closing</translation>
    </message>
    <message>
        <source>a dialog is open in kavimo; close it and try again</source>
        <translation>a dialog is open in kavimo; close it and try again</translation>
    </message>
    <message>
        <source>the user stayed with the patient on screen to keep unsaved work</source>
        <translation>the user stayed with the patient on screen to keep unsaved work</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>cannot make %1</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>cannot make %1: %2</translation>
    </message>
    <message>
        <source>the picture with the strokes cannot be encoded</source>
        <translation>the picture with the strokes cannot be encoded</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>cannot write in %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Turn a quarter to the left (Shift+R)</source>
        <translation>Turn a quarter to the left (Shift+R)</translation>
    </message>
    <message>
        <source>Turn a quarter to the right (R)</source>
        <translation>Turn a quarter to the right (R)</translation>
    </message>
    <message>
        <source>+ / − zoom   0 as it came   R turn   arrows move   Esc close</source>
        <translation>+ / − zoom   0 as it came   R turn   arrows move   Esc close</translation>
    </message>
    <message>
        <source>not on the d: drive</source>
        <translation>not on the d: drive</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>The picture cannot be read.</translation>
    </message>
    <message>
        <source>Wheel or + and − zoom both, dragging moves both; double-click fits them.</source>
        <translation>Wheel or + and − zoom both, dragging moves both; double-click fits them.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Filename</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>there is no picture to write</translation>
    </message>
    <message>
        <source>cannot encode the picture as %1: %2</source>
        <translation>cannot encode the picture as %1: %2</translation>
    </message>
    <message>
        <source>it is a link to a file outside the work directory</source>
        <translation>it is a link to a file outside the work directory</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>the path lies outside the d: drive</source>
        <translation>the path lies outside the d: drive</translation>
    </message>
    <message>
        <source>Teeth and view</source>
        <translation>Teeth and view</translation>
    </message>
    <message>
        <source>Which teeth does %1 show?</source>
        <translation>Which teeth does %1 show?</translation>
    </message>
    <message>
        <source>FDI %1</source>
        <translation>FDI %1</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>View:</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(not given)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>No tooth chosen.</source>
        <translation>No tooth chosen.</translation>
    </message>
    <message>
        <source>Chosen: </source>
        <translation>Chosen: </translation>
    </message>
    <message>
        <source>Print-diagnose</source>
        <translation>Print diagnosis</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>The report could not be printed.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>The report could not be saved as %1.</translation>
    </message>
    <message>
        <source>Sex：male</source>
        <translation>Sex: male</translation>
    </message>
    <message>
        <source>Sex：female</source>
        <translation>Sex: female</translation>
    </message>
    <message>
        <source>Time：</source>
        <translation>Time: </translation>
    </message>
    <message>
        <source>Resualt</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Born：</source>
        <translation>Born: </translation>
    </message>
    <message>
        <source>Disease：</source>
        <translation>Diagnosis: </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Pictures：</source>
        <translation>Pictures: </translation>
    </message>
    <message>
        <source>Doctor：</source>
        <translation>Doctor: </translation>
    </message>
    <message>
        <source>The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo&apos;s folder not writable. Free some space or ask your technician (%1).</source>
        <translation>The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo&apos;s folder not writable. Free some space or ask your technician (%1).</translation>
    </message>
    <message>
        <source>Sending %1 of %2 to the PACS…</source>
        <translation>Sending %1 of %2 to the PACS…</translation>
    </message>
    <message>
        <source>PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive&apos;s address in Settings.</source>
        <translation>PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive&apos;s address in Settings.</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).</source>
        <translation>Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).</translation>
    </message>
    <message>
        <source>PACS: %1</source>
        <translation>PACS: %1</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS</source>
        <translation>Sent %1 of %2 to the PACS</translation>
    </message>
    <message>
        <source>No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click the main window and choose &quot;Settings...&quot;, then restart kavimo.</source>
        <translation>No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click the main window and choose &quot;Settings...&quot;, then restart kavimo.</translation>
    </message>
    <message>
        <source>PACS (the clinic&apos;s archive)</source>
        <translation>PACS (the clinic&apos;s archive)</translation>
    </message>
    <message>
        <source>none: no archive</source>
        <translation>none: no archive</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>Give the archive&apos;s AE title, host and port first.</source>
        <translation>Give the archive&apos;s AE title, host and port first.</translation>
    </message>
    <message>
        <source>Connecting to %1%2…</source>
        <translation>Connecting to %1%2…</translation>
    </message>
    <message>
        <source> over TLS</source>
        <translation> over TLS</translation>
    </message>
    <message>
        <source>%1 answers.</source>
        <translation>%1 answers.</translation>
    </message>
    <message>
        <source>Patients scheduled for %1 (only the first %2: the PACS sent more):</source>
        <translation>Patients scheduled for %1 (only the first %2: the PACS sent more):</translation>
    </message>
    <message>
        <source>The worklist schedules no patient for %1.</source>
        <translation>The worklist schedules no patient for %1.</translation>
    </message>
    <message>
        <source>Patients scheduled for %1:</source>
        <translation>Patients scheduled for %1:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <translation>Patient ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Born</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Accession</source>
        <translation>Accession</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Procedure</translation>
    </message>
    <message>
        <source>Not taken as the PACS sent it:
</source>
        <translation>Not taken as the PACS sent it:
</translation>
    </message>
    <message>
        <source>
… and %1 more</source>
        <translation>
… and %1 more</translation>
    </message>
    <message>
        <source>Another day:</source>
        <translation>Another day:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Asking the PACS for the worklist of %1…</source>
        <translation>Asking the PACS for the worklist of %1…</translation>
    </message>
    <message>
        <source>Cannot read the worklist: %1</source>
        <translation>Cannot read the worklist: %1</translation>
    </message>
    <message>
        <source>User Management</source>
        <translation>User Management</translation>
    </message>
    <message>
        <source>User List：</source>
        <translation>User list:</translation>
    </message>
    <message>
        <source>Picture List：</source>
        <translation>Picture list:</translation>
    </message>
    <message>
        <source>Preview：</source>
        <translation>Preview: </translation>
    </message>
    <message>
        <source>sex：</source>
        <translation>Sex: </translation>
    </message>
    <message>
        <source>Hospital：</source>
        <translation>Hospital: </translation>
    </message>
    <message>
        <source>Description：</source>
        <translation>Description: </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>User ID</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Disease</source>
        <translation>Disease</translation>
    </message>
    <message>
        <source>Click a column&apos;s title to sort by it</source>
        <translation>Click a column&apos;s title to sort by it</translation>
    </message>
    <message>
        <source>Search: part of the name, ID or phone</source>
        <translation>Search: part of the name, ID or phone</translation>
    </message>
    <message>
        <source>YYYYMMDD</source>
        <translation>YYYYMMDD</translation>
    </message>
    <message>
        <source>Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it</source>
        <translation>Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Query</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Worklist</source>
        <translation>Worklist</translation>
    </message>
    <message>
        <source>Restore deleted patients…</source>
        <translation>Restore deleted patients…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>No patient matches &quot;%1&quot;.</source>
        <translation>No patient matches &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Please enter name！</source>
        <translation>Please enter the name!</translation>
    </message>
    <message>
        <source>Please enter the birth date as YYYY-MM-DD, not after today！</source>
        <translation>Please enter the birth date as YYYY-MM-DD, not after today!</translation>
    </message>
    <message>
        <source>Please enter age！</source>
        <translation>Please enter the age!</translation>
    </message>
    <message>
        <source>Please enter phone！</source>
        <translation>Please enter the phone number!</translation>
    </message>
    <message>
        <source>Please choose sex (Female, Male, Other or Unknown)！</source>
        <translation>Please choose the sex (Female, Male, Other or Unknown)!</translation>
    </message>
    <message>
        <source>The patient&apos;s record was written, but the name, phone and birth date as typed were not kept: %1</source>
        <translation>The patient&apos;s record was written, but the name, phone and birth date as typed were not kept: %1</translation>
    </message>
    <message>
        <source>The patient was created, but the worklist&apos;s order was not kept, so the pictures will not be attached to it in the archive: %1</source>
        <translation>The patient was created, but the worklist&apos;s order was not kept, so the pictures will not be attached to it in the archive: %1</translation>
    </message>
    <message>
        <source>A patient was created less than a second ago; please press Create again！</source>
        <translation>A patient was created less than a second ago; please press Create again!</translation>
    </message>
    <message>
        <source>Are you sure delete？</source>
        <translation>Are you sure you want to delete?</translation>
    </message>
    <message>
        <source>Delete the patient %1 (%2) and %3?</source>
        <translation>Delete the patient %1 (%2) and %3?</translation>
    </message>
    <message>
        <source>There are no deleted patients to restore.</source>
        <translation>There are no deleted patients to restore.</translation>
    </message>
    <message>
        <source>Restore deleted patients</source>
        <translation>Restore deleted patients</translation>
    </message>
    <message>
        <source>Please enter hospital name！</source>
        <translation>Please enter the hospital name!</translation>
    </message>
    <message>
        <source>Set hospital successfull！</source>
        <translation>Hospital set successfully!</translation>
    </message>
    <message>
        <source>there is no runtime directory (XDG_RUNTIME_DIR)</source>
        <translation>there is no runtime directory (XDG_RUNTIME_DIR)</translation>
    </message>
    <message>
        <source>the running kavimo did not answer</source>
        <translation>the running kavimo did not answer</translation>
    </message>
    <message>
        <source>the transfer file was not read: %1</source>
        <translation>the transfer file was not read: %1</translation>
    </message>
    <message>
        <source>the transfer file&apos;s request was refused: %1</source>
        <translation>the transfer file&apos;s request was refused: %1</translation>
    </message>
    <message>
        <source>kavimo has no patient with the ID %1</source>
        <translation>kavimo has no patient with the ID %1</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>the picture %1 is not one of the patient&apos;s</translation>
    </message>
    <message>
        <source>the answer could not be written into the transfer file: %1</source>
        <translation>the answer could not be written into the transfer file: %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>The d: drive folder</source>
        <translation>The d: drive folder</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>PEM files (*.pem *.crt *.key);;All files (*)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Settings file: %1</translation>
    </message>
    <message>
        <source>Changes take effect the next time kavimo starts. An empty field uses the default shown in it. A value overridden by a command-line option or an environment variable is used in the runs without it.</source>
        <translation>Changes take effect the next time kavimo starts. An empty field uses the default shown in it. A value overridden by a command-line option or an environment variable is used in the runs without it.</translation>
    </message>
    <message>
        <source>none; e.g. F8</source>
        <translation>none; e.g. F8</translation>
    </message>
    <message>
        <source>not a key (for example F8, Space or Pause)</source>
        <translation>not a key (for example F8, Space or Pause)</translation>
    </message>
    <message>
        <source>e.g. de, zh_CN</source>
        <translation>e.g. de, zh_CN</translation>
    </message>
    <message>
        <source>not a language (for example de, fr or zh_CN)</source>
        <translation>not a language (for example de, fr or zh_CN)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Overridden by %1 for this run</source>
        <translation>Overridden by %1 for this run</translation>
    </message>
    <message>
        <source>The settings cannot be written to %1.</source>
        <translation>The settings cannot be written to %1.</translation>
    </message>
    <message>
        <source>Tooth numbers (fdi, universal or palmer; at once)</source>
        <translation>Tooth numbers (fdi, universal or palmer; at once)</translation>
    </message>
    <message>
        <source>fdi: 11–48, 51–85</source>
        <translation>fdi: 11–48, 51–85</translation>
    </message>
    <message>
        <source>not fdi, universal (1–32, A–T) or palmer (UR1, ULA)</source>
        <translation>not fdi, universal (1–32, A–T) or palmer (UR1, ULA)</translation>
    </message>
    <message>
        <source>Ask for the teeth after each capture, at once (the camera&apos;s capture key confirms)</source>
        <translation>Ask for the teeth after each capture, at once (the camera&apos;s capture key confirms)</translation>
    </message>
    <message>
        <source>Teeth</source>
        <translation>Teeth</translation>
    </message>
    <message>
        <source>关于 kavimo</source>
        <translation>About kavimo</translation>
    </message>
    <message>
        <source>kavimo, version %1</source>
        <translation>kavimo, version %1</translation>
    </message>
    <message>
        <source>Oral image acquisition system for WiFi intraoral cameras</source>
        <translation>Oral image acquisition system for WiFi intraoral cameras</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Log: %1</translation>
    </message>
    <message>
        <source>User guide (F1)</source>
        <translation>User guide (F1)</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Picture of %1   (deleted %2)</source>
        <translation>Picture of %1   (deleted %2)</translation>
    </message>
    <message>
        <source>The user guide is not installed. It was looked for in:
%1</source>
        <translation>The user guide is not installed. It was looked for in:
%1</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>kavimo user guide</source>
        <translation>kavimo user guide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Prev</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Choose, create or find a patient</source>
        <translation>Choose, create or find a patient</translation>
    </message>
    <message>
        <source>Start or stop the camera&apos;s live picture</source>
        <translation>Start or stop the camera&apos;s live picture</translation>
    </message>
    <message>
        <source>Freeze the live picture; press again (Save Pic) to store it</source>
        <translation>Freeze the live picture; press again (Save Pic) to store it</translation>
    </message>
    <message>
        <source>Add picture files to this patient</source>
        <translation>Add picture files to this patient</translation>
    </message>
    <message>
        <source>Copy the picked pictures (or all of them) to a folder</source>
        <translation>Copy the picked pictures (or all of them) to a folder</translation>
    </message>
    <message>
        <source>Pick up to four pictures for the report and the export</source>
        <translation>Pick up to four pictures for the report and the export</translation>
    </message>
    <message>
        <source>Preview, print or save the report as PDF</source>
        <translation>Preview, print or save the report as PDF</translation>
    </message>
    <message>
        <source>Store the drawing on the shown picture</source>
        <translation>Store the drawing on the shown picture</translation>
    </message>
    <message>
        <source>Store the shown picture with its drawing as a new picture</source>
        <translation>Store the shown picture with its drawing as a new picture</translation>
    </message>
    <message>
        <source>Take back the last stroke</source>
        <translation>Take back the last stroke</translation>
    </message>
    <message>
        <source>Show four pictures at once, or one again</source>
        <translation>Show four pictures at once, or one again</translation>
    </message>
    <message>
        <source>Delete the shown picture (it goes to the trash)</source>
        <translation>Delete the shown picture (it goes to the trash)</translation>
    </message>
    <message>
        <source>Store the diagnosis</source>
        <translation>Store the diagnosis</translation>
    </message>
    <message>
        <source>Scroll the thumbnails up</source>
        <translation>Scroll the thumbnails up</translation>
    </message>
    <message>
        <source>Scroll the thumbnails down</source>
        <translation>Scroll the thumbnails down</translation>
    </message>
    <message>
        <source>Close kavimo (unsaved work is asked about first)</source>
        <translation>Close kavimo (unsaved work is asked about first)</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>Thick</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Thin</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Num：</source>
        <translation>No.: </translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>PACS</source>
        <translation>PACS</translation>
    </message>
    <message>
        <source>Archive AE title</source>
        <translation>Archive AE title</translation>
    </message>
    <message>
        <source>Archive host</source>
        <translation>Archive host</translation>
    </message>
    <message>
        <source>Archive DICOM port</source>
        <translation>Archive DICOM port</translation>
    </message>
    <message>
        <source>kavimo&apos;s AE title</source>
        <translation>kavimo&apos;s AE title</translation>
    </message>
    <message>
        <source>Send every stored picture (on/off)</source>
        <translation>Send every stored picture (on/off)</translation>
    </message>
    <message>
        <source>Worklist modality</source>
        <translation>Worklist modality</translation>
    </message>
    <message>
        <source>Worklist of this station or all (this/all)</source>
        <translation>Worklist of this station or all (this/all)</translation>
    </message>
    <message>
        <source>Connect over TLS (the archive must show a certificate the CA signed)</source>
        <translation>Connect over TLS (the archive must show a certificate the CA signed)</translation>
    </message>
    <message>
        <source>CA certificates to trust (PEM)</source>
        <translation>CA certificates to trust (PEM)</translation>
    </message>
    <message>
        <source>required with TLS</source>
        <translation>required with TLS</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate (PEM)</source>
        <translation>kavimo&apos;s certificate (PEM)</translation>
    </message>
    <message>
        <source>none: only if the archive asks for one</source>
        <translation>none: only if the archive asks for one</translation>
    </message>
    <message>
        <source>kavimo&apos;s private key (PEM)</source>
        <translation>kavimo&apos;s private key (PEM)</translation>
    </message>
    <message>
        <source>none: goes with the certificate</source>
        <translation>none: goes with the certificate</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Pictures and records</source>
        <translation>Pictures and records</translation>
    </message>
    <message>
        <source>d: drive folder</source>
        <translation>d: drive folder</translation>
    </message>
    <message>
        <source>Stream camera</source>
        <translation>Stream camera</translation>
    </message>
    <message>
        <source>Camera address</source>
        <translation>Camera address</translation>
    </message>
    <message>
        <source>Camera command port</source>
        <translation>Camera command port</translation>
    </message>
    <message>
        <source>Local command port (0: any)</source>
        <translation>Local command port (0: any)</translation>
    </message>
    <message>
        <source>Local video port</source>
        <translation>Local video port</translation>
    </message>
    <message>
        <source>Picture camera</source>
        <translation>Picture camera</translation>
    </message>
    <message>
        <source>Local reply port (0: any)</source>
        <translation>Local reply port (0: any)</translation>
    </message>
    <message>
        <source>Camera picture port (TCP)</source>
        <translation>Camera picture port (TCP)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Local address (0.0.0.0: all)</source>
        <translation>Local address (0.0.0.0: all)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Doctor&apos;s name</source>
        <translation>Doctor&apos;s name</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Foot switch key (does Freeze)</source>
        <translation>Foot switch key (does Freeze)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Language (empty: the desktop&apos;s)</source>
        <translation>Language (empty: the desktop&apos;s)</translation>
    </message>
    <message>
        <source>Faile to create WorkDir!</source>
        <translation>Failed to create the work directory!</translation>
    </message>
    <message>
        <source>Create WorkDir successfull!</source>
        <translation>Work directory created successfully!</translation>
    </message>
    <message>
        <source>Faile to  create user dir！</source>
        <translation>Failed to create the patient&apos;s folder!</translation>
    </message>
    <message>
        <source>User does not exist！</source>
        <translation>The patient does not exist!</translation>
    </message>
    <message>
        <source>other</source>
        <translation>other</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>female</source>
        <translation>female</translation>
    </message>
    <message>
        <source>male</source>
        <translation>male</translation>
    </message>
    <message>
        <source>right</source>
        <translation>right</translation>
    </message>
    <message>
        <source>left</source>
        <translation>left</translation>
    </message>
    <message numerus="yes">
        <source>No picture is picked. Export all %n pictures?</source>
        <translation>
            <numerusform>No picture is picked. Export the %n picture?</numerusform>
            <numerusform>No picture is picked. Export all %n pictures?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures exported to %1.</source>
        <translation>
            <numerusform>%n picture exported to %1.</numerusform>
            <numerusform>%n pictures exported to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n DICOM files written to %1, with a DICOMDIR</source>
        <translation>
            <numerusform>%n DICOM file written to %1, with a DICOMDIR</numerusform>
            <numerusform>%n DICOM files written to %1, with a DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Export cancelled: %1 of %n DICOM files written to %2, with a DICOMDIR</source>
        <translation>
            <numerusform>Export cancelled: %1 of %n DICOM file written to %2, with a DICOMDIR</numerusform>
            <numerusform>Export cancelled: %1 of %n DICOM files written to %2, with a DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n DICOM files written; failed:
%2</source>
        <translation>
            <numerusform>%1 of %n DICOM file written; failed:
%2</numerusform>
            <numerusform>%1 of %n DICOM files written; failed:
%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n pictures as DICOM to
%1</source>
        <translation>
            <numerusform>Exporting %n picture as DICOM to
%1</numerusform>
            <numerusform>Exporting %n pictures as DICOM to
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n picture</numerusform>
            <numerusform>%n pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The patient list is full: at most %n patients can be kept！</source>
        <translation>
            <numerusform>The patient list is full: at most %n patient can be kept!</numerusform>
            <numerusform>The patient list is full: at most %n patients can be kept!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n patients and their %1?</source>
        <translation>
            <numerusform>Delete %n patient and their %1?</numerusform>
            <numerusform>Delete %n patients and their %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %n days.</source>
        <translation>
            <numerusform>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %n day.</numerusform>
            <numerusform>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %n days.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted items are kept for %n days. Choose what to restore:</source>
        <translation>
            <numerusform>Deleted items are kept for %n day. Choose what to restore:</numerusform>
            <numerusform>Deleted items are kept for %n days. Choose what to restore:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1  %2, %n pictures   (deleted %3)</source>
        <translation>
            <numerusform>%1  %2, %n picture   (deleted %3)</numerusform>
            <numerusform>%1  %2, %n pictures   (deleted %3)</numerusform>
        </translation>
    </message>
    <message>
        <source>Try &apos;kavimo --help&apos;.</source>
        <translation>Try &apos;kavimo --help&apos;.</translation>
    </message>
    <message>
        <source>Host directory that stands for the d: drive (default ~/.local/share/kavimo/d).</source>
        <translation>Host directory that stands for the d: drive (default ~/.local/share/kavimo/d).</translation>
    </message>
    <message>
        <source>Group that shares the records: folders 0770, files 0660 (default: none, 0700 and 0600).</source>
        <translation>Group that shares the records: folders 0770, files 0660 (default: none, 0700 and 0600).</translation>
    </message>
    <message>
        <source>Address of the stream camera (default 172.16.10.1).</source>
        <translation>Address of the stream camera (default 172.16.10.1).</translation>
    </message>
    <message>
        <source>The stream camera&apos;s command port (default 7777).</source>
        <translation>The stream camera&apos;s command port (default 7777).</translation>
    </message>
    <message>
        <source>Local port for the stream camera&apos;s replies, heartbeats and keys (default 7777; 0: any).</source>
        <translation>Local port for the stream camera&apos;s replies, heartbeats and keys (default 7777; 0: any).</translation>
    </message>
    <message>
        <source>Local port the live video arrives on (default 8888).</source>
        <translation>Local port the live video arrives on (default 8888).</translation>
    </message>
    <message>
        <source>Address of the picture camera (default 192.168.239.1).</source>
        <translation>Address of the picture camera (default 192.168.239.1).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s command port (default 6000).</source>
        <translation>The picture camera&apos;s command port (default 6000).</translation>
    </message>
    <message>
        <source>Local port for the picture camera&apos;s replies (default 5000; 0: any).</source>
        <translation>Local port for the picture camera&apos;s replies (default 5000; 0: any).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s TCP picture port (default 5000).</source>
        <translation>The picture camera&apos;s TCP picture port (default 5000).</translation>
    </message>
    <message>
        <source>Local address the camera sockets bind to (default 0.0.0.0: all).</source>
        <translation>Local address the camera sockets bind to (default 0.0.0.0: all).</translation>
    </message>
    <message>
        <source>The clinic&apos;s archive (PACS): its AE title (default: none, no archive).</source>
        <translation>The clinic&apos;s archive (PACS): its AE title (default: none, no archive).</translation>
    </message>
    <message>
        <source>The archive&apos;s host name or address.</source>
        <translation>The archive&apos;s host name or address.</translation>
    </message>
    <message>
        <source>The archive&apos;s DICOM port.</source>
        <translation>The archive&apos;s DICOM port.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own AE title towards the archive (default KAVIMO).</source>
        <translation>kavimo&apos;s own AE title towards the archive (default KAVIMO).</translation>
    </message>
    <message>
        <source>Issuer of Patient ID sent with kavimo&apos;s own Patient IDs (default KAVIMO- and the first 8 hex digits of the installation&apos;s identity).</source>
        <translation>Issuer of Patient ID sent with kavimo&apos;s own Patient IDs (default KAVIMO- and the first 8 hex digits of the installation&apos;s identity).</translation>
    </message>
    <message>
        <source>The modality whose worklist entries are listed (default XC, photographs).</source>
        <translation>The modality whose worklist entries are listed (default XC, photographs).</translation>
    </message>
    <message>
        <source>Lists the worklist entries scheduled for kavimo&apos;s own AE title (this, the default) or for every station (all).</source>
        <translation>Lists the worklist entries scheduled for kavimo&apos;s own AE title (this, the default) or for every station (all).</translation>
    </message>
    <message>
        <source>Sends every stored picture to the archive automatically (default off).</source>
        <translation>Sends every stored picture to the archive automatically (default off).</translation>
    </message>
    <message>
        <source>Talks to the archive over TLS; its certificate must chain to --pacs-tls-ca and name its host (default off: plain TCP).</source>
        <translation>Talks to the archive over TLS; its certificate must chain to --pacs-tls-ca and name its host (default off: plain TCP).</translation>
    </message>
    <message>
        <source>The CA certificates (PEM) to check the archive&apos;s certificate with.</source>
        <translation>The CA certificates (PEM) to check the archive&apos;s certificate with.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own certificate (PEM), for archives that ask for one.</source>
        <translation>kavimo&apos;s own certificate (PEM), for archives that ask for one.</translation>
    </message>
    <message>
        <source>The unencrypted private key (PEM) of kavimo&apos;s certificate.</source>
        <translation>The unencrypted private key (PEM) of kavimo&apos;s certificate.</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is %4</source>
        <translation>%1: %2 &quot;%3&quot; is %4</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>not a directory</translation>
    </message>
    <message>
        <source>not an IPv4 address</source>
        <translation>not an IPv4 address</translation>
    </message>
    <message>
        <source>not a port (0 to 65535)</source>
        <translation>not a port (0 to 65535)</translation>
    </message>
    <message>
        <source>not a port (1 to 65535)</source>
        <translation>not a port (1 to 65535)</translation>
    </message>
    <message>
        <source>not an AE title (1 to 16 characters)</source>
        <translation>not an AE title (1 to 16 characters)</translation>
    </message>
    <message>
        <source>not a host</source>
        <translation>not a host</translation>
    </message>
    <message>
        <source>not on or off</source>
        <translation>not on or off</translation>
    </message>
    <message>
        <source>not an issuer (1 to 64 characters, no backslash)</source>
        <translation>not an issuer (1 to 64 characters, no backslash)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>not a file</translation>
    </message>
    <message>
        <source>not a modality (a code such as XC or IO)</source>
        <translation>not a modality (a code such as XC or IO)</translation>
    </message>
    <message>
        <source>not this or all</source>
        <translation>not this or all</translation>
    </message>
    <message>
        <source>not a group name</source>
        <translation>not a group name</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>not valid</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>no folder given</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>the folder is not writable</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>no file given</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>the file is not readable</source>
        <translation>the file is not readable</translation>
    </message>
    <message>
        <source>Opens the patient with this ID of the practice-management system, creating it when kavimo does not have it yet (the patient dialog is not shown); the ID becomes the archive&apos;s Patient ID. When kavimo already runs on this work directory, the running window switches to the patient.</source>
        <translation>Opens the patient with this ID of the practice-management system, creating it when kavimo does not have it yet (the patient dialog is not shown); the ID becomes the archive&apos;s Patient ID. When kavimo already runs on this work directory, the running window switches to the patient.</translation>
    </message>
    <message>
        <source>The last name of the --patient-id patient (needed with it).</source>
        <translation>The last name of the --patient-id patient (needed with it).</translation>
    </message>
    <message>
        <source>The first name of the --patient-id patient.</source>
        <translation>The first name of the --patient-id patient.</translation>
    </message>
    <message>
        <source>The birth date of the --patient-id patient (also YYYY-MM-DD or DD.MM.YYYY).</source>
        <translation>The birth date of the --patient-id patient (also YYYY-MM-DD or DD.MM.YYYY).</translation>
    </message>
    <message>
        <source>The sex of the --patient-id patient (also Male, Female, Other, Unknown).</source>
        <translation>The sex of the --patient-id patient (also Male, Female, Other, Unknown).</translation>
    </message>
    <message>
        <source>The phone of the --patient-id patient.</source>
        <translation>The phone of the --patient-id patient.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>Points both camera addresses at 127.0.0.1 (for the camera simulator)
[KAVIMO_LOOPBACK=1]</source>
        <translation>Points both camera addresses at 127.0.0.1 (for the camera simulator)
[KAVIMO_LOOPBACK=1]</translation>
    </message>
    <message>
        <source>Shows kavimo without a camera: starts the camera simulator kavimo-camsim (next to kavimo, else on the PATH) on 127.0.0.1 as a stream camera (--demo) or a picture camera (--demo=picture) and points the camera link at it; the camera addresses and ports above are then unused.</source>
        <translation>Shows kavimo without a camera: starts the camera simulator kavimo-camsim (next to kavimo, else on the PATH) on 127.0.0.1 as a stream camera (--demo) or a picture camera (--demo=picture) and points the camera link at it; the camera addresses and ports above are then unused.</translation>
    </message>
    <message>
        <source>The settings file to read instead of %1
[KAVIMO_CONFIG]</source>
        <translation>The settings file to read instead of %1
[KAVIMO_CONFIG]</translation>
    </message>
    <message>
        <source>Writes a picture of the screen.</source>
        <translation>Writes a picture of the screen.</translation>
    </message>
    <message>
        <source>Milliseconds.</source>
        <translation>Milliseconds.</translation>
    </message>
    <message>
        <source>kavimo: oral image acquisition for WiFi intraoral cameras.
Every setting can also be given in the environment (KAVIMO_*) or in kavimo.ini;
the command line wins over the environment, which wins over the file.</source>
        <translation>kavimo: oral image acquisition for WiFi intraoral cameras.
Every setting can also be given in the environment (KAVIMO_*) or in kavimo.ini;
the command line wins over the environment, which wins over the file.</translation>
    </message>
    <message>
        <source>A VDDS-media transfer file the practice-management system wrote.</source>
        <translation>A VDDS-media transfer file the practice-management system wrote.</translation>
    </message>
    <message>
        <source>Usage: kavimo [options] [transfer-file]</source>
        <translation>Usage: kavimo [options] [transfer-file]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>settings file &quot;%1&quot; does not exist</source>
        <translation>settings file &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>--demo=%1: the demo camera is &quot;stream&quot; or &quot;picture&quot;</source>
        <translation>--demo=%1: the demo camera is &quot;stream&quot; or &quot;picture&quot;</translation>
    </message>
    <message>
        <source>a transfer file and --patient-id cannot be given together</source>
        <translation>a transfer file and --patient-id cannot be given together</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (no such transfer file)</source>
        <translation>unexpected argument &quot;%1&quot; (no such transfer file)</translation>
    </message>
    <message>
        <source>the patient options need --patient-id</source>
        <translation>the patient options need --patient-id</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O, U, Male, Female, Other or Unknown</source>
        <translation>the sex &quot;%1&quot; is not M, F, O, U, Male, Female, Other or Unknown</translation>
    </message>
    <message>
        <source>the stream camera %1:%2 is the program&apos;s own command port; give the camera&apos;s port with --stream-command-port or another local port with --stream-local-port</source>
        <translation>the stream camera %1:%2 is the program&apos;s own command port; give the camera&apos;s port with --stream-command-port or another local port with --stream-local-port</translation>
    </message>
    <message>
        <source>the picture camera %1:%2 is the program&apos;s own reply port; give the camera&apos;s port with --picture-command-port or another local port with --picture-reply-port</source>
        <translation>the picture camera %1:%2 is the program&apos;s own reply port; give the camera&apos;s port with --picture-command-port or another local port with --picture-reply-port</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Could not find &quot;%1&quot;: %2</source>
        <translation>Could not find &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not create &quot;%1&quot;: %2</source>
        <translation>Could not create &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>Could not read &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Could not write &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>Could not move &quot;%1&quot; to the trash: %2</translation>
    </message>
    <message>
        <source>Could not restore &quot;%1&quot;: %2</source>
        <translation>Could not restore &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;: %2</source>
        <translation>Could not delete &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>These patient records are incomplete and were left out of the patient list:%1</source>
        <translation>These patient records are incomplete and were left out of the patient list:%1</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but no files were deleted: its record names the directory &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>%1 was removed from the patient list, but no files were deleted: its record names the directory &quot;%2&quot; instead of &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; could not be moved to the trash: %3</source>
        <translation>%1 was removed from the patient list, but &quot;%2&quot; could not be moved to the trash: %3</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; was not deleted: it is not a plain directory.</source>
        <translation>%1 was removed from the patient list, but &quot;%2&quot; was not deleted: it is not a plain directory.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; was not added: its path is longer than %2 bytes.</source>
        <translation>The picture &quot;%1&quot; was not added: its path is longer than %2 bytes.</translation>
    </message>
    <message>
        <source>These pictures were not added: their paths are longer than %1 bytes.%2</source>
        <translation>These pictures were not added: their paths are longer than %1 bytes.%2</translation>
    </message>
    <message>
        <source>%1 cannot be restored: the patient list is full.</source>
        <translation>%1 cannot be restored: the patient list is full.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: a patient directory of that name exists.</source>
        <translation>%1 cannot be restored: a patient directory of that name exists.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>%1 cannot be restored: %2</translation>
    </message>
    <message>
        <source>Cannot create the work directory %1: %2</source>
        <translation>Cannot create the work directory %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is a symbolic link, which kavimo does not follow.</source>
        <translation>Cannot use the lock file %1: it is a symbolic link, which kavimo does not follow.</translation>
    </message>
    <message>
        <source>Cannot open the lock file %1: %2</source>
        <translation>Cannot open the lock file %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is not a plain file.</source>
        <translation>Cannot use the lock file %1: it is not a plain file.</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on %2 (process %3).</source>
        <translation>The patient records in %1 are in use by kavimo on %2 (process %3).</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on another computer or process.</source>
        <translation>The patient records in %1 are in use by kavimo on another computer or process.</translation>
    </message>
    <message>
        <source>Cannot lock the patient records in %1: %2</source>
        <translation>Cannot lock the patient records in %1: %2</translation>
    </message>
    <message>
        <source>the JPEG data is cut short or damaged (%1)</source>
        <translation>the JPEG data is cut short or damaged (%1)</translation>
    </message>
    <message>
        <source>not a readable JPEG picture: %1</source>
        <translation>not a readable JPEG picture: %1</translation>
    </message>
    <message>
        <source>the picture does not decode to RGB</source>
        <translation>the picture does not decode to RGB</translation>
    </message>
    <message>
        <source>cannot encode the picture as JPEG: %1</source>
        <translation>cannot encode the picture as JPEG: %1</translation>
    </message>
    <message>
        <source>the archive&apos;s address is not set (AE title, host and port)</source>
        <translation>the archive&apos;s address is not set (AE title, host and port)</translation>
    </message>
    <message>
        <source>the archive %1 refused the connection (check its AE title and that it accepts %2): %3</source>
        <translation>the archive %1 refused the connection (check its AE title and that it accepts %2): %3</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2 (it may ask for kavimo&apos;s own TLS certificate, and none is set)</source>
        <translation>cannot reach the archive %1: %2 (it may ask for kavimo&apos;s own TLS certificate, and none is set)</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2</source>
        <translation>cannot reach the archive %1: %2</translation>
    </message>
    <message>
        <source>not connected to the archive</source>
        <translation>not connected to the archive</translation>
    </message>
    <message>
        <source>the archive did not answer the check: %1</source>
        <translation>the archive did not answer the check: %1</translation>
    </message>
    <message>
        <source>the archive does not accept photographic pictures (VL Photographic Image Storage)</source>
        <translation>the archive does not accept photographic pictures (VL Photographic Image Storage)</translation>
    </message>
    <message>
        <source>the archive did not confirm the picture: %1</source>
        <translation>the archive did not confirm the picture: %1</translation>
    </message>
    <message>
        <source>the archive refused the picture (%1)</source>
        <translation>the archive refused the picture (%1)</translation>
    </message>
    <message>
        <source>the archive stored the picture with a warning (%1)</source>
        <translation>the archive stored the picture with a warning (%1)</translation>
    </message>
    <message>
        <source>the archive offers no worklist</source>
        <translation>the archive offers no worklist</translation>
    </message>
    <message>
        <source>the archive did not finish answering within %1 s</source>
        <translation>the archive did not finish answering within %1 s</translation>
    </message>
    <message>
        <source>the worklist query failed: %1</source>
        <translation>the worklist query failed: %1</translation>
    </message>
    <message>
        <source>the picture claims %1 × %2 pixels, more than kavimo opens</source>
        <translation>the picture claims %1 x %2 pixels, more than kavimo opens</translation>
    </message>
    <message numerus="yes">
        <source>the patient list is full: at most %n patients can be kept</source>
        <translation>
            <numerusform>the patient list is full: at most %n patient can be kept</numerusform>
            <numerusform>the patient list is full: at most %n patients can be kept</numerusform>
        </translation>
    </message>
    <message>
        <source>the computer&apos;s clock is behind the newest patient&apos;s creation time</source>
        <translation>the computer&apos;s clock is behind the newest patient&apos;s creation time</translation>
    </message>
    <message>
        <source>the patient could not be stored in the work directory</source>
        <translation>the patient could not be stored in the work directory</translation>
    </message>
    <message>
        <source>the patient&apos;s details could not be written: %1</source>
        <translation>the patient&apos;s details could not be written: %1</translation>
    </message>
    <message>
        <source>the patient could not be selected</source>
        <translation>the patient could not be selected</translation>
    </message>
    <message>
        <source>usage: kavimo-camsim --stream|--picture [options]

Plays a camera of the kavimo system on loopback. Every address must lie in 127.0.0.0/8.

  --stream               the stream camera: identify replies, heartbeats, keys, H.264 video
  --picture              the picture camera: identify replies, TCP picture channel
  --bind IP              local address of every socket (default 127.0.0.1)
  --app IP               the application&apos;s address (default 127.0.0.1)
  --cmd-port N           the camera&apos;s UDP command port (default 0: the kernel&apos;s choice)
  --app-port N           the application&apos;s command port (stream, default 7777) or reply
                         port (picture, default 5000); 0: send nothing until the command
                         &quot;app-port N&quot; names it
  --video-port N         the application&apos;s video port (default 8888); 0: send no video until
                         &quot;video-port N&quot; names it
  --tcp-port N           the picture channel&apos;s TCP port (default 0: the kernel&apos;s choice)
  --name TEXT            the camera&apos;s name in its identify reply (at most 32 bytes)
  --value N              the first argument of the identify reply (default 1)
  --size WxH             picture size (default 640x480)
  --fps N                video frames per second (default 25)
  --gop N                frames from one key frame to the next (default 25)
  --bitrate KBPS         video bit rate (default 1500)
  --fragment-size N      payload bytes per fragment, one fragment per datagram (default 1400)
  --attribute N          video attribute code of every frame (default 0)
  --input FILE.h264      send this Annex B file&apos;s pictures (in a loop) instead of the test picture
  --loss N               drop every Nth fragment (default 0: none)
  --heartbeat-ms N       heartbeat period (default 500; 0: none)
  --no-heartbeat         start with heartbeats stopped
  --no-video             start with the video stopped
  --no-identify          do not answer identify
  --preview-fps N        preview pictures per second (default 10)
  --quality N            JPEG quality of the previews (default 80)
  --drop-after N         drop each TCP connection after N pictures
  --at SECONDS:COMMAND   run a command at a time after the start (repeatable)
  --exit-on-stdin-eof    end when standard input closes
  --duration SECONDS     end after this long
  -h, --help             this text
  --version              the version of kavimo this program belongs to

Commands (standard input, one per line, or --at):
  key N                  stream camera: send camera key N (81..85); picture camera: capture
  capture                picture camera: send a captured picture
  heartbeat on|off       start or stop the heartbeats
  video on|off           start or stop the video
  identify on|off        answer identify or not
  drop                   picture camera: close the TCP connection
  oversize               picture camera: send a preview message longer than 1048576 bytes
  loss N                 drop every Nth fragment from now on (0: none)
  loss-rate N            drop fragments at random, N per thousand, from now on (0: none)
  send CODE [A1 [A2]]    send a command datagram with these values to the application
  app-port N             send replies, heartbeats and keys to this port from now on
  video-port N           send the video to this port from now on
  quit                   end

Standard output: one line &quot;camsim ready mode=... cmd_port=... ...&quot; once every socket is bound,
then &quot;camsim event ...&quot; lines; &quot;camsim bye&quot; at the end. Errors go to standard error.
</source>
        <translation>usage: kavimo-camsim --stream|--picture [options]

Plays a camera of the kavimo system on loopback. Every address must lie in 127.0.0.0/8.

  --stream               the stream camera: identify replies, heartbeats, keys, H.264 video
  --picture              the picture camera: identify replies, TCP picture channel
  --bind IP              local address of every socket (default 127.0.0.1)
  --app IP               the application&apos;s address (default 127.0.0.1)
  --cmd-port N           the camera&apos;s UDP command port (default 0: the kernel&apos;s choice)
  --app-port N           the application&apos;s command port (stream, default 7777) or reply
                         port (picture, default 5000); 0: send nothing until the command
                         &quot;app-port N&quot; names it
  --video-port N         the application&apos;s video port (default 8888); 0: send no video until
                         &quot;video-port N&quot; names it
  --tcp-port N           the picture channel&apos;s TCP port (default 0: the kernel&apos;s choice)
  --name TEXT            the camera&apos;s name in its identify reply (at most 32 bytes)
  --value N              the first argument of the identify reply (default 1)
  --size WxH             picture size (default 640x480)
  --fps N                video frames per second (default 25)
  --gop N                frames from one key frame to the next (default 25)
  --bitrate KBPS         video bit rate (default 1500)
  --fragment-size N      payload bytes per fragment, one fragment per datagram (default 1400)
  --attribute N          video attribute code of every frame (default 0)
  --input FILE.h264      send this Annex B file&apos;s pictures (in a loop) instead of the test picture
  --loss N               drop every Nth fragment (default 0: none)
  --heartbeat-ms N       heartbeat period (default 500; 0: none)
  --no-heartbeat         start with heartbeats stopped
  --no-video             start with the video stopped
  --no-identify          do not answer identify
  --preview-fps N        preview pictures per second (default 10)
  --quality N            JPEG quality of the previews (default 80)
  --drop-after N         drop each TCP connection after N pictures
  --at SECONDS:COMMAND   run a command at a time after the start (repeatable)
  --exit-on-stdin-eof    end when standard input closes
  --duration SECONDS     end after this long
  -h, --help             this text
  --version              the version of kavimo this program belongs to

Commands (standard input, one per line, or --at):
  key N                  stream camera: send camera key N (81..85); picture camera: capture
  capture                picture camera: send a captured picture
  heartbeat on|off       start or stop the heartbeats
  video on|off           start or stop the video
  identify on|off        answer identify or not
  drop                   picture camera: close the TCP connection
  oversize               picture camera: send a preview message longer than 1048576 bytes
  loss N                 drop every Nth fragment from now on (0: none)
  loss-rate N            drop fragments at random, N per thousand, from now on (0: none)
  send CODE [A1 [A2]]    send a command datagram with these values to the application
  app-port N             send replies, heartbeats and keys to this port from now on
  video-port N           send the video to this port from now on
  quit                   end

Standard output: one line &quot;camsim ready mode=... cmd_port=... ...&quot; once every socket is bound,
then &quot;camsim event ...&quot; lines; &quot;camsim bye&quot; at the end. Errors go to standard error.
</translation>
    </message>
    <message>
        <source>usage: kavimo-play [options] [FILE.h264]
Plays an H.264 elementary stream, or a generated test pattern when no file is given.
  --size WxH            size of the generated pattern (default 1280x720)
  --fps N               frame rate of the stream (default 25)
  --mode 0|1            render mode: 0 surface layer (default), 1 SDL
  --overlay             draw the statistics text over the video
  --frames N            stop after N frames
  --seconds S           stop after S seconds
  --loop                start a file again at its end
  --window WxH          size of the window (default: the pattern&apos;s size, 960x540 for a file)
  --no-pacing           show frames as fast as they can be drawn (pacing off, fed at once)
  --shot FILE.bmp       at the end, write the last frame shown (TEGMO_PLAY_VideoShotLast)
  --window-shot FILE.bmp  at the end, write what the window shows
  --record FILE.h264    also write the frames played to an elementary-stream file
  -h, --help            this text
  --version             the version of kavimo this program belongs to
</source>
        <translation>usage: kavimo-play [options] [FILE.h264]
Plays an H.264 elementary stream, or a generated test pattern when no file is given.
  --size WxH            size of the generated pattern (default 1280x720)
  --fps N               frame rate of the stream (default 25)
  --mode 0|1            render mode: 0 surface layer (default), 1 SDL
  --overlay             draw the statistics text over the video
  --frames N            stop after N frames
  --seconds S           stop after S seconds
  --loop                start a file again at its end
  --window WxH          size of the window (default: the pattern&apos;s size, 960x540 for a file)
  --no-pacing           show frames as fast as they can be drawn (pacing off, fed at once)
  --shot FILE.bmp       at the end, write the last frame shown (TEGMO_PLAY_VideoShotLast)
  --window-shot FILE.bmp  at the end, write what the window shows
  --record FILE.h264    also write the frames played to an elementary-stream file
  -h, --help            this text
  --version             the version of kavimo this program belongs to
</translation>
    </message>
    <message>
        <source>Usage: kavimo-records [--drive-d DIR] [--data-group GROUP] COMMAND

Looks into the patient records of kavimo without changing them; tag sets a picture&apos;s
teeth and view beside them.

Commands:
  list        every patient: number, UID, name, sex, age, phone, diagnoses, pictures
  show UID    one patient&apos;s record, diagnoses and pictures with their teeth and views
              (UID20170801102233 or the digits)
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              sets the teeth (FDI numbers; empty: none) and the view of a picture, PICTURE
              as show names it (its number, path or file name); VIEW is frontal,
              left-buccal, right-buccal, upper-occlusal, lower-occlusal, close-up or other
              (empty: none). Refused while kavimo has the work directory open
  check       compares each patient&apos;s counts with its list files and picture files, checks
              that each picture holds a JPEG, and looks for missing backups and stray files;
              exit status 1 on a problem
  export-dicom UID DIR [--pacs-issuer TEXT]
              writes every picture of the patient into DIR/DICOM/ with a DICOMDIR
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [TLS options]
              sends every picture of the patient to the archive, one line per picture
              (these two write the installation&apos;s identity, Installation.txt in the work
              directory, when there is none yet: every UID they make carries it)
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [TLS options] [--date YYYYMMDD]
              the patients the worklist schedules for the day (today by default)
  audit [--since YYYYMMDD]
              the audit trail: who captured, saved, deleted, exported or sent what, and
              when, one event per line (from the day given on)

Options:
  --drive-d DIR   host directory that stands for the d: drive (default: $KAVIMO_DRIVE_D,
                  else paths/drive_d of kavimo.ini ($KAVIMO_CONFIG, else
                  ~/.config/kavimo/kavimo.ini), else $XDG_DATA_HOME/kavimo/d, i.e.
                  ~/.local/share/kavimo/d; without HOME it must be given)
  --data-group GROUP  the group that shares the records: what this program writes gets
                  mode 0660 (folders 0770) and the group (default: $KAVIMO_DATA_GROUP,
                  else paths/data_group of kavimo.ini, else none: 0600 and 0700)
  --pacs AET@HOST:PORT  the archive: its AE title, host and DICOM port
  --calling-aet AET     kavimo&apos;s own AE title (default KAVIMO)
  --pacs-issuer TEXT    Issuer of Patient ID for kavimo&apos;s own Patient IDs (default:
                        $KAVIMO_PACS_ISSUER, else KAVIMO- and 8 hex digits of the
                        installation&apos;s identity)
  --pacs-tls on|off     talk to the archive over TLS (default off: plain TCP)
  --pacs-tls-ca FILE    the CA certificates (PEM) the archive&apos;s certificate must chain to;
                        the certificate must also name the archive&apos;s host
  --pacs-tls-cert FILE  kavimo&apos;s own certificate (PEM), for archives that ask for one
  --pacs-tls-key FILE   the unencrypted private key (PEM) of that certificate
  --date YYYYMMDD       the worklist&apos;s day
  --since YYYYMMDD      the audit trail&apos;s first day
  --teeth LIST          tag: the picture&apos;s teeth, FDI numbers such as 11,21
  --view VIEW           tag: the picture&apos;s view
  -h, --help      this text
  --version       the version of kavimo this program belongs to

Exit status: 0 fine; 1 problems found, no such patient or picture, the work directory in
use, or a picture or file not written or not stored; 2 wrong usage or no work directory.
</source>
        <translation>Usage: kavimo-records [--drive-d DIR] [--data-group GROUP] COMMAND

Looks into the patient records of kavimo without changing them; tag sets a picture&apos;s
teeth and view beside them.

Commands:
  list        every patient: number, UID, name, sex, age, phone, diagnoses, pictures
  show UID    one patient&apos;s record, diagnoses and pictures with their teeth and views
              (UID20170801102233 or the digits)
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              sets the teeth (FDI numbers; empty: none) and the view of a picture, PICTURE
              as show names it (its number, path or file name); VIEW is frontal,
              left-buccal, right-buccal, upper-occlusal, lower-occlusal, close-up or other
              (empty: none). Refused while kavimo has the work directory open
  check       compares each patient&apos;s counts with its list files and picture files, checks
              that each picture holds a JPEG, and looks for missing backups and stray files;
              exit status 1 on a problem
  export-dicom UID DIR [--pacs-issuer TEXT]
              writes every picture of the patient into DIR/DICOM/ with a DICOMDIR
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [TLS options]
              sends every picture of the patient to the archive, one line per picture
              (these two write the installation&apos;s identity, Installation.txt in the work
              directory, when there is none yet: every UID they make carries it)
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [TLS options] [--date YYYYMMDD]
              the patients the worklist schedules for the day (today by default)
  audit [--since YYYYMMDD]
              the audit trail: who captured, saved, deleted, exported or sent what, and
              when, one event per line (from the day given on)

Options:
  --drive-d DIR   host directory that stands for the d: drive (default: $KAVIMO_DRIVE_D,
                  else paths/drive_d of kavimo.ini ($KAVIMO_CONFIG, else
                  ~/.config/kavimo/kavimo.ini), else $XDG_DATA_HOME/kavimo/d, i.e.
                  ~/.local/share/kavimo/d; without HOME it must be given)
  --data-group GROUP  the group that shares the records: what this program writes gets
                  mode 0660 (folders 0770) and the group (default: $KAVIMO_DATA_GROUP,
                  else paths/data_group of kavimo.ini, else none: 0600 and 0700)
  --pacs AET@HOST:PORT  the archive: its AE title, host and DICOM port
  --calling-aet AET     kavimo&apos;s own AE title (default KAVIMO)
  --pacs-issuer TEXT    Issuer of Patient ID for kavimo&apos;s own Patient IDs (default:
                        $KAVIMO_PACS_ISSUER, else KAVIMO- and 8 hex digits of the
                        installation&apos;s identity)
  --pacs-tls on|off     talk to the archive over TLS (default off: plain TCP)
  --pacs-tls-ca FILE    the CA certificates (PEM) the archive&apos;s certificate must chain to;
                        the certificate must also name the archive&apos;s host
  --pacs-tls-cert FILE  kavimo&apos;s own certificate (PEM), for archives that ask for one
  --pacs-tls-key FILE   the unencrypted private key (PEM) of that certificate
  --date YYYYMMDD       the worklist&apos;s day
  --since YYYYMMDD      the audit trail&apos;s first day
  --teeth LIST          tag: the picture&apos;s teeth, FDI numbers such as 11,21
  --view VIEW           tag: the picture&apos;s view
  -h, --help      this text
  --version       the version of kavimo this program belongs to

Exit status: 0 fine; 1 problems found, no such patient or picture, the work directory in
use, or a picture or file not written or not stored; 2 wrong usage or no work directory.
</translation>
    </message>
    <message>
        <source>not a UID: %1</source>
        <translation>not a UID: %1</translation>
    </message>
    <message>
        <source>tag needs --teeth or --view</source>
        <translation>tag needs --teeth or --view</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>--teeth and --view apply to tag only</source>
        <translation>--teeth and --view apply to tag only</translation>
    </message>
    <message>
        <source>--pacs, --calling-aet and the TLS options do not apply to %1</source>
        <translation>--pacs, --calling-aet and the TLS options do not apply to %1</translation>
    </message>
    <message>
        <source>--pacs-tls-ca, --pacs-tls-cert and --pacs-tls-key need --pacs-tls on</source>
        <translation>--pacs-tls-ca, --pacs-tls-cert and --pacs-tls-key need --pacs-tls on</translation>
    </message>
    <message>
        <source>--pacs-issuer does not apply to %1</source>
        <translation>--pacs-issuer does not apply to %1</translation>
    </message>
    <message>
        <source>--pacs-issuer needs 1 to 64 characters without a backslash</source>
        <translation>--pacs-issuer needs 1 to 64 characters without a backslash</translation>
    </message>
    <message>
        <source>--since applies to audit only</source>
        <translation>--since applies to audit only</translation>
    </message>
    <message>
        <source>--since needs YYYYMMDD</source>
        <translation>--since needs YYYYMMDD</translation>
    </message>
    <message>
        <source>--date applies to worklist only</source>
        <translation>--date applies to worklist only</translation>
    </message>
    <message>
        <source>--date needs YYYYMMDD</source>
        <translation>--date needs YYYYMMDD</translation>
    </message>
    <message>
        <source>%1 needs --pacs AET@HOST:PORT</source>
        <translation>%1 needs --pacs AET@HOST:PORT</translation>
    </message>
    <message>
        <source>wrong arguments for %1</source>
        <translation>wrong arguments for %1</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: not a regular file</translation>
    </message>
    <message>
        <source>%1: the line was written only in part (the disk may be full)</source>
        <translation>%1: the line was written only in part (the disk may be full)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: cannot be read</translation>
    </message>
    <message>
        <source>line %1: no &quot;=&quot;</source>
        <extracomment>%1 is a line number of a &quot;Key=value&quot; file</extracomment>
        <translation>line %1: no &quot;=&quot;</translation>
    </message>
    <message>
        <source>line %1: %2 given twice</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>line %1: %2 given twice</translation>
    </message>
    <message>
        <source>line %1: %2 is not UTF-8 text</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>line %1: %2 is not UTF-8 text</translation>
    </message>
    <message>
        <source>%1 is not a YYYYMMDD date</source>
        <extracomment>%1 is a key of a &quot;Key=value&quot; file (&quot;BirthDate&quot;, &quot;Date&quot;)</extracomment>
        <translation>%1 is not a YYYYMMDD date</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>line %1: unknown key &quot;%2&quot;</source>
        <extracomment>%1 is a line number, %2 a key of the patient&apos;s details file</extracomment>
        <translation>line %1: unknown key &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 is not one of M, F, O, U</source>
        <extracomment>%1 is the key of the sex in the patient&apos;s details file (&quot;Sex&quot;)</extracomment>
        <translation>%1 is not one of M, F, O, U</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>cannot be read</translation>
    </message>
    <message numerus="yes">
        <source>larger than %n bytes</source>
        <translation>
            <numerusform>larger than %n byte</numerusform>
            <numerusform>larger than %n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cannot be read, or larger than %n bytes</source>
        <translation>
            <numerusform>cannot be read, or larger than %n byte</numerusform>
            <numerusform>cannot be read, or larger than %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Frontal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Frontal</translation>
    </message>
    <message>
        <source>Left buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Left buccal</translation>
    </message>
    <message>
        <source>Right buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Right buccal</translation>
    </message>
    <message>
        <source>Upper occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Upper occlusal</translation>
    </message>
    <message>
        <source>Lower occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Lower occlusal</translation>
    </message>
    <message>
        <source>Close-up</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Close-up</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>view</comment>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Other</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an FDI tooth number (11-48, 51-85)</source>
        <translation>&quot;%1&quot; is not an FDI tooth number (11-48, 51-85)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>the first line is not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>not three tab-separated fields</source>
        <translation>not three tab-separated fields</translation>
    </message>
    <message>
        <source>not a picture&apos;s file name</source>
        <translation>not a picture&apos;s file name</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is the file name of a picture</extracomment>
        <translation>%1 is given twice</translation>
    </message>
    <message>
        <source>the teeth are not in ascending order, separated by commas</source>
        <translation>the teeth are not in ascending order, separated by commas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view</source>
        <translation>&quot;%1&quot; is not a view</translation>
    </message>
    <message>
        <source>neither teeth nor a view</source>
        <translation>neither teeth nor a view</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the teeth file, %2 what is wrong with that line</extracomment>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>cannot remove %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); it is left as it is</source>
        <extracomment>%1 is the teeth file&apos;s name, %2 what is wrong with it</extracomment>
        <translation>%1 is damaged (%2); it is left as it is</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be tagged</source>
        <translation>&quot;%1&quot; cannot be tagged</translation>
    </message>
    <message>
        <source>the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>the index cannot be read</translation>
    </message>
    <message>
        <source>the index does not begin with &quot;%1&quot;</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>the index does not begin with &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line %1 of the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>line %1 of the index cannot be read</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no folder</source>
        <extracomment>%1 is the name of an entry of the trash, %2 the patient or picture it holds</extracomment>
        <translation>entry %1 (%2) has no folder</translation>
    </message>
    <message>
        <source>cannot create the folder %1: something else has its name</source>
        <translation>cannot create the folder %1: something else has its name</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>cannot create the folder %1: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary folder in %1: %2</source>
        <translation>cannot create a temporary folder in %1: %2</translation>
    </message>
    <message>
        <source>no free file name for the picture in %1</source>
        <translation>no free file name for the picture in %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a file of the DICOMDIR, then why it cannot be listed
----------
a picture, then why it cannot be made into a DICOM object
----------
a picture file, then why it cannot be made into a DICOM object</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>there is no picture to list in the DICOMDIR</source>
        <translation>there is no picture to list in the DICOMDIR</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <extracomment>%2 the system&apos;s reason</extracomment>
        <translation>cannot create %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: it does not hold this installation&apos;s identity. Restore it from a backup; remove it only to give this installation a new identity (pictures sent before then get new UIDs when they are sent again)</source>
        <translation>%1 is damaged: it does not hold this installation&apos;s identity. Restore it from a backup; remove it only to give this installation a new identity (pictures sent before then get new UIDs when they are sent again)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>cannot write the outbox %1: %2</source>
        <translation>cannot write the outbox %1: %2</translation>
    </message>
    <message>
        <source>cannot read the outbox %1: %2</source>
        <translation>cannot read the outbox %1: %2</translation>
    </message>
    <message>
        <source>the sending failed: %1</source>
        <translation>the sending failed: %1</translation>
    </message>
    <message numerus="yes">
        <source>refused %n times: %1</source>
        <translation>
            <numerusform>refused %n time: %1</numerusform>
            <numerusform>refused %n times: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>attribute list error</source>
        <translation>attribute list error</translation>
    </message>
    <message>
        <source>attribute value out of range</source>
        <translation>attribute value out of range</translation>
    </message>
    <message>
        <source>processing failure</source>
        <translation>processing failure</translation>
    </message>
    <message>
        <source>SOP class not supported</source>
        <translation>SOP class not supported</translation>
    </message>
    <message>
        <source>not authorised</source>
        <translation>not authorised</translation>
    </message>
    <message>
        <source>coercion of data elements</source>
        <translation>coercion of data elements</translation>
    </message>
    <message>
        <source>elements discarded</source>
        <translation>elements discarded</translation>
    </message>
    <message>
        <source>data set does not match SOP class</source>
        <translation>data set does not match SOP class</translation>
    </message>
    <message>
        <source>cannot understand</source>
        <translation>cannot understand</translation>
    </message>
    <message>
        <source>out of resources</source>
        <translation>out of resources</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1 is a DICOM status number (0xA700)</extracomment>
        <translation>status %1</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1 is a DICOM status number (0xA700), %2 what it means (&quot;out of resources&quot;)</extracomment>
        <translation>status %1: %2</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>TLS cannot be set up: %1</translation>
    </message>
    <message>
        <source>TLS is on, but no CA certificate file is set to check the archive&apos;s certificate with</source>
        <translation>TLS is on, but no CA certificate file is set to check the archive&apos;s certificate with</translation>
    </message>
    <message>
        <source>cannot read the CA certificate file %1: %2</source>
        <translation>cannot read the CA certificate file %1: %2</translation>
    </message>
    <message>
        <source>the CA certificate file %1 holds no PEM certificate: %2</source>
        <translation>the CA certificate file %1 holds no PEM certificate: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS key file is set without its certificate file</source>
        <translation>kavimo&apos;s TLS key file is set without its certificate file</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS certificate file is set without its key file</source>
        <translation>kavimo&apos;s TLS certificate file is set without its key file</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s certificate file %1: %2</source>
        <translation>cannot read kavimo&apos;s certificate file %1: %2</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s key file %1: %2</source>
        <translation>cannot read kavimo&apos;s key file %1: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate file %1 holds no PEM certificate: %2</source>
        <translation>kavimo&apos;s certificate file %1 holds no PEM certificate: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 holds no unencrypted PEM private key</source>
        <translation>kavimo&apos;s key file %1 holds no unencrypted PEM private key</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 does not belong to the certificate %2</source>
        <translation>kavimo&apos;s key file %1 does not belong to the certificate %2</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1 (it is not made out to %2)</source>
        <extracomment>%1 is OpenSSL&apos;s reason, %2 the archive&apos;s host name or address</extracomment>
        <translation>the archive&apos;s certificate is not trusted: %1 (it is not made out to %2)</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1</source>
        <extracomment>%1 is OpenSSL&apos;s reason</extracomment>
        <translation>the archive&apos;s certificate is not trusted: %1</translation>
    </message>
    <message>
        <source>the archive %1 did not finish the TLS handshake in time</source>
        <translation>the archive %1 did not finish the TLS handshake in time</translation>
    </message>
    <message>
        <source>the TLS handshake with the archive %1 failed: %2</source>
        <translation>the TLS handshake with the archive %1 failed: %2</translation>
    </message>
    <message>
        <source>an entry without Patient ID</source>
        <translation>an entry without Patient ID</translation>
    </message>
    <message>
        <source>patient &quot;%1&quot;</source>
        <translation>patient &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: %2 left out (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: %2 left out (%3)</translation>
    </message>
    <message>
        <source>%1: %2 shortened or cleaned (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: %2 shortened or cleaned (%3)</translation>
    </message>
    <message>
        <source>%1: its texts cannot be read in the character set &quot;%2&quot; (%3); what is not UTF-8 is shown as %4</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a character set, %3 the converter&apos;s reason, %4 the replacement character</extracomment>
        <translation>%1: its texts cannot be read in the character set &quot;%2&quot; (%3); what is not UTF-8 is shown as %4</translation>
    </message>
    <message>
        <source>%1: left out, its Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Patient ID</extracomment>
        <translation>%1: left out, its Patient ID is unusable (%2)</translation>
    </message>
    <message>
        <source>%1: left out, its Issuer of Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Issuer of Patient ID</extracomment>
        <translation>%1: left out, its Issuer of Patient ID is unusable (%2)</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>name</translation>
    </message>
    <message>
        <source>birth date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>birth date</translation>
    </message>
    <message>
        <source>sex</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>sex</translation>
    </message>
    <message>
        <source>%1: sex left out (not F, M or O)</source>
        <extracomment>%1 names the worklist entry&apos;s patient</extracomment>
        <translation>%1: sex left out (not F, M or O)</translation>
    </message>
    <message>
        <source>Accession Number</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Accession Number</translation>
    </message>
    <message>
        <source>Study Instance UID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Study Instance UID</translation>
    </message>
    <message>
        <source>Requested Procedure ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Requested Procedure ID</translation>
    </message>
    <message>
        <source>Requested Procedure Description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Requested Procedure Description</translation>
    </message>
    <message>
        <source>referring physician</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>referring physician</translation>
    </message>
    <message>
        <source>scheduled date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>scheduled date</translation>
    </message>
    <message>
        <source>scheduled time</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>scheduled time</translation>
    </message>
    <message>
        <source>modality</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>modality</translation>
    </message>
    <message>
        <source>station</source>
        <extracomment>a field of a worklist entry (the AE title of the station it is scheduled on)</extracomment>
        <translation>station</translation>
    </message>
    <message>
        <source>step description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>step description</translation>
    </message>
    <message>
        <source>step ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>step ID</translation>
    </message>
    <message>
        <source>no patient %1</source>
        <translation>no patient %1</translation>
    </message>
    <message>
        <source>refused %1: it is a link to %2, outside the work directory</source>
        <translation>refused %1: it is a link to %2, outside the work directory</translation>
    </message>
    <message>
        <source>refused %1: not a regular file</source>
        <translation>refused %1: not a regular file</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>cannot read %1</translation>
    </message>
    <message>
        <source>the picture is too large for an object</source>
        <translation>the picture is too large for an object</translation>
    </message>
    <message>
        <source>no installation identity to make the object&apos;s UIDs with</source>
        <translation>no installation identity to make the object&apos;s UIDs with</translation>
    </message>
    <message>
        <source>the order&apos;s Study Instance UID: %1</source>
        <translation>the order&apos;s Study Instance UID: %1</translation>
    </message>
    <message>
        <source>Patient ID: %1</source>
        <translation>Patient ID: %1</translation>
    </message>
    <message>
        <source>Issuer of Patient ID: %1</source>
        <translation>Issuer of Patient ID: %1</translation>
    </message>
    <message>
        <source>Accession Number: %1</source>
        <translation>Accession Number: %1</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>not enough memory for the picture</translation>
    </message>
    <message>
        <source>the object holds no JPEG data</source>
        <translation>the object holds no JPEG data</translation>
    </message>
    <message>
        <source>the object holds no RGB pixels</source>
        <translation>the object holds no RGB pixels</translation>
    </message>
    <message>
        <source>cannot make the picture uncompressed: %1</source>
        <translation>cannot make the picture uncompressed: %1</translation>
    </message>
    <message>
        <source>cannot make the picture JPEG: %1</source>
        <translation>cannot make the picture JPEG: %1</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>not UTF-8 text</translation>
    </message>
    <message>
        <source>contains a backslash</source>
        <translation>contains a backslash</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>contains a control character</translation>
    </message>
    <message numerus="yes">
        <source>longer than %n characters</source>
        <translation>
            <numerusform>longer than %n character</numerusform>
            <numerusform>longer than %n characters</numerusform>
        </translation>
    </message>
    <message>
        <source>more than three name groups</source>
        <translation>more than three name groups</translation>
    </message>
    <message numerus="yes">
        <source>a name group longer than %n characters</source>
        <translation>
            <numerusform>a name group longer than %n character</numerusform>
            <numerusform>a name group longer than %n characters</numerusform>
        </translation>
    </message>
    <message>
        <source>more than five name components</source>
        <translation>more than five name components</translation>
    </message>
    <message>
        <source>not a person name</source>
        <translation>not a person name</translation>
    </message>
    <message>
        <source>not an AE title</source>
        <translation>not an AE title</translation>
    </message>
    <message>
        <source>not a code string</source>
        <translation>not a code string</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>not a date</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>not a time</translation>
    </message>
    <message>
        <source>not a UID</source>
        <translation>not a UID</translation>
    </message>
    <message>
        <source>an unknown VR</source>
        <translation>an unknown VR</translation>
    </message>
    <message>
        <source>the patient ID holds a control character or is not UTF-8 text</source>
        <translation>the patient ID holds a control character or is not UTF-8 text</translation>
    </message>
    <message>
        <source>the last name holds a control character or is not UTF-8 text</source>
        <translation>the last name holds a control character or is not UTF-8 text</translation>
    </message>
    <message>
        <source>the first name holds a control character or is not UTF-8 text</source>
        <translation>the first name holds a control character or is not UTF-8 text</translation>
    </message>
    <message>
        <source>the phone holds a control character or is not UTF-8 text</source>
        <translation>the phone holds a control character or is not UTF-8 text</translation>
    </message>
    <message numerus="yes">
        <source>the patient ID is longer than %n characters</source>
        <translation>
            <numerusform>the patient ID is longer than %n character</numerusform>
            <numerusform>the patient ID is longer than %n characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the last name is longer than %n characters</source>
        <translation>
            <numerusform>the last name is longer than %n character</numerusform>
            <numerusform>the last name is longer than %n characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first name is longer than %n characters</source>
        <translation>
            <numerusform>the first name is longer than %n character</numerusform>
            <numerusform>the first name is longer than %n characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the phone is longer than %n characters</source>
        <translation>
            <numerusform>the phone is longer than %n character</numerusform>
            <numerusform>the phone is longer than %n characters</numerusform>
        </translation>
    </message>
    <message>
        <source>the patient ID is missing</source>
        <translation>the patient ID is missing</translation>
    </message>
    <message>
        <source>the patient ID &quot;%1&quot; holds a path character (&apos;/&apos; or &apos;\&apos;)</source>
        <translation>the patient ID &quot;%1&quot; holds a path character (&apos;/&apos; or &apos;\&apos;)</translation>
    </message>
    <message>
        <source>the last name is missing</source>
        <translation>the last name is missing</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the birth date %1 lies in the future</source>
        <translation>the birth date %1 lies in the future</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O or U</source>
        <translation>the sex &quot;%1&quot; is not M, F, O or U</translation>
    </message>
    <message>
        <source>the message is too long</source>
        <translation>the message is too long</translation>
    </message>
    <message>
        <source>the message does not start with &quot;%1&quot;</source>
        <translation>the message does not start with &quot;%1&quot;</translation>
    </message>
    <message>
        <source>text follows the end line</source>
        <translation>text follows the end line</translation>
    </message>
    <message>
        <source>the message holds no PatientID</source>
        <translation>the message holds no PatientID</translation>
    </message>
    <message>
        <source>line %1 holds no &apos;=&apos;</source>
        <translation>line %1 holds no &apos;=&apos;</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is repeated</source>
        <translation>the key &quot;%1&quot; is repeated</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a picture</source>
        <translation>&quot;%1&quot; is not the name of a picture</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>unknown key &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the message has no end line</source>
        <translation>the message has no end line</translation>
    </message>
    <message numerus="yes">
        <source>the file is larger than %n KiB</source>
        <translation>
            <numerusform>the file is larger than %n KiB</numerusform>
            <numerusform>the file is larger than %n KiB</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is UTF-8 text, not ISO-8859-1</source>
        <translation>the file is UTF-8 text, not ISO-8859-1</translation>
    </message>
    <message>
        <source>the file is not ISO-8859-1 text (byte %1 at offset %2)</source>
        <translation>the file is not ISO-8859-1 text (byte %1 at offset %2)</translation>
    </message>
    <message>
        <source>the transfer file has no [PATIENT] section</source>
        <translation>the transfer file has no [PATIENT] section</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD or DD.MM.YYYY)</source>
        <translation>the birth date &quot;%1&quot; is not a date (YYYYMMDD or DD.MM.YYYY)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, W, D or U</source>
        <translation>the sex &quot;%1&quot; is not M, W, D or U</translation>
    </message>
    <message>
        <source>[MMOS] COUNT &quot;%1&quot; is not a number of pictures</source>
        <translation>[MMOS] COUNT &quot;%1&quot; is not a number of pictures</translation>
    </message>
    <message>
        <source>[%1] MMOID &quot;%2&quot; is not a picture of kavimo&apos;s</source>
        <extracomment>%1 is a section of the transfer file (&quot;MMO1&quot;), %2 the picture name given there</extracomment>
        <translation>[%1] MMOID &quot;%2&quot; is not a picture of kavimo&apos;s</translation>
    </message>
    <message>
        <source>[MMOPATH] PATH &quot;%1&quot; is not an absolute folder path</source>
        <translation>[MMOPATH] PATH &quot;%1&quot; is not an absolute folder path</translation>
    </message>
    <message>
        <source>the export names no pictures ([MMOS] COUNT)</source>
        <translation>the export names no pictures ([MMOS] COUNT)</translation>
    </message>
    <message>
        <source>the export folder %1 does not exist</source>
        <translation>the export folder %1 does not exist</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>the picture %1 is not one of the patient&apos;s</translation>
    </message>
    <message>
        <source>cannot read the picture %1</source>
        <translation>cannot read the picture %1</translation>
    </message>
    <message>
        <source>the data group &quot;%1&quot; does not exist</source>
        <translation>the data group &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>this account is not a member of the data group &quot;%1&quot;</source>
        <translation>this account is not a member of the data group &quot;%1&quot;</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder of this account&apos;s own for the records; give the d: drive&apos;s folder with --drive-d or KAVIMO_DRIVE_D</source>
        <translation>HOME is not set, so there is no folder of this account&apos;s own for the records; give the d: drive&apos;s folder with --drive-d or KAVIMO_DRIVE_D</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>the outcome of an event of the audit trail; keep it at most 7 characters</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FAILED</translation>
    </message>
    <message>
        <source>Audit trail %1 (%2)</source>
        <translation>Audit trail %1 (%2)</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 event</translation>
    </message>
    <message numerus="yes">
        <source>%n events</source>
        <translation>
            <numerusform>%n event</numerusform>
            <numerusform>%n events</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event since %1</source>
        <translation>1 event since %1</translation>
    </message>
    <message numerus="yes">
        <source>%n events since %1</source>
        <translation>
            <numerusform>%n event since %1</numerusform>
            <numerusform>%n events since %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; 1 line skipped, not a whole event</source>
        <extracomment>%1 the events shown, such as &quot;2 events since 20240305&quot;</extracomment>
        <translation>%1; 1 line skipped, not a whole event</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n lines skipped, not a whole event</source>
        <translation>
            <numerusform>%1; %n line skipped, not a whole event</numerusform>
            <numerusform>%1; %n lines skipped, not a whole event</numerusform>
        </translation>
    </message>
    <message>
        <source>problem: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what is wrong with it</extracomment>
        <translation>problem: %1: %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what may be wrong with it</extracomment>
        <translation>warning: %1: %2</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file cannot be read</source>
        <translation>picture %1 &quot;%2&quot;: the file cannot be read</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (content: %3)</source>
        <extracomment>%3 the name of a picture format, such as PNG</extracomment>
        <translation>picture %1 &quot;%2&quot;: not a JPEG picture (content: %3)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (the file is empty)</source>
        <translation>picture %1 &quot;%2&quot;: not a JPEG picture (the file is empty)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (unknown content)</source>
        <translation>picture %1 &quot;%2&quot;: not a JPEG picture (unknown content)</translation>
    </message>
    <message>
        <source>1 patient</source>
        <translation>1 patient</translation>
    </message>
    <message numerus="yes">
        <source>%n patients</source>
        <translation>
            <numerusform>%n patient</numerusform>
            <numerusform>%n patients</numerusform>
        </translation>
    </message>
    <message>
        <source>missing, but the record counts 1 record</source>
        <translation>missing, but the record counts 1 record</translation>
    </message>
    <message numerus="yes">
        <source>missing, but the record counts %n records</source>
        <translation>
            <numerusform>missing, but the record counts %n record</numerusform>
            <numerusform>missing, but the record counts %n records</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (created empty when the patient is selected)</source>
        <translation>missing (created empty when the patient is selected)</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of %2-byte records</source>
        <translation>%1 bytes is not a whole number of %2-byte records</translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1</source>
        <extracomment>%1 the count in the patient&apos;s record</extracomment>
        <translation>holds 1 record, the record counts %1</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1</source>
        <translation>
            <numerusform>holds %n record, the record counts %1</numerusform>
            <numerusform>holds %n records, the record counts %1</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>holds 1 record, the record counts %1 (the rest is dropped when rewritten)</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>
            <numerusform>holds %n record, the record counts %1 (the rest is dropped when rewritten)</numerusform>
            <numerusform>holds %n records, the record counts %1 (the rest is dropped when rewritten)</numerusform>
        </translation>
    </message>
    <message>
        <source>a link, not the folder of the originals</source>
        <translation>a link, not the folder of the originals</translation>
    </message>
    <message>
        <source>stray directory among the originals</source>
        <translation>stray directory among the originals</translation>
    </message>
    <message>
        <source>left over from an interrupted copy of an original</source>
        <translation>left over from an interrupted copy of an original</translation>
    </message>
    <message>
        <source>an original without its picture</source>
        <translation>an original without its picture</translation>
    </message>
    <message>
        <source>damaged teeth and views (%1)</source>
        <translation>damaged teeth and views (%1)</translation>
    </message>
    <message>
        <source>teeth of %1, which is not there (Update forgets them)</source>
        <translation>teeth of %1, which is not there (Update forgets them)</translation>
    </message>
    <message>
        <source>holds the record of %1</source>
        <translation>holds the record of %1</translation>
    </message>
    <message>
        <source>the record names the directory &quot;%1&quot;</source>
        <translation>the record names the directory &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 bytes instead of 1032</source>
        <translation>%1 bytes instead of 1032</translation>
    </message>
    <message>
        <source>negative counts in the record</source>
        <translation>negative counts in the record</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; belongs to %3</source>
        <translation>picture %1 &quot;%2&quot; belongs to %3</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; lies outside the patient&apos;s directory</source>
        <translation>picture %1 &quot;%2&quot; lies outside the patient&apos;s directory</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file is missing</source>
        <translation>picture %1 &quot;%2&quot;: the file is missing</translation>
    </message>
    <message>
        <source>stray directory in a patient directory</source>
        <translation>stray directory in a patient directory</translation>
    </message>
    <message>
        <source>left over from an interrupted rewrite</source>
        <translation>left over from an interrupted rewrite</translation>
    </message>
    <message>
        <source>picture not in the picture list (Update rebuilds it)</source>
        <translation>picture not in the picture list (Update rebuilds it)</translation>
    </message>
    <message>
        <source>damaged patient details (%1); the record stands in for them</source>
        <translation>damaged patient details (%1); the record stands in for them</translation>
    </message>
    <message>
        <source>damaged worklist order (%1); its pictures go into kavimo&apos;s own study of their day</source>
        <translation>damaged worklist order (%1); its pictures go into kavimo&apos;s own study of their day</translation>
    </message>
    <message>
        <source>stray file</source>
        <translation>stray file</translation>
    </message>
    <message>
        <source>not in the trash index (removed after 30 days)</source>
        <translation>not in the trash index (removed after 30 days)</translation>
    </message>
    <message>
        <source>no work directory at %1</source>
        <translation>no work directory at %1</translation>
    </message>
    <message>
        <source>damaged: not an installation identity (restore it from a backup)</source>
        <translation>damaged: not an installation identity (restore it from a backup)</translation>
    </message>
    <message>
        <source>a link, not a directory; not a patient</source>
        <translation>a link, not a directory; not a patient</translation>
    </message>
    <message>
        <source>missing backup: no %1, so the patient is not in the patient list</source>
        <translation>missing backup: no %1, so the patient is not in the patient list</translation>
    </message>
    <message>
        <source>incomplete backup: %1 of 1032 bytes; not in the patient list</source>
        <translation>incomplete backup: %1 of 1032 bytes; not in the patient list</translation>
    </message>
    <message>
        <source>UID is not above the one before it in list order</source>
        <translation>UID is not above the one before it in list order</translation>
    </message>
    <message numerus="yes">
        <source>more than %n patients</source>
        <translation>
            <numerusform>more than %n patient</numerusform>
            <numerusform>more than %n patients</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (regenerated at the next start)</source>
        <translation>missing (regenerated at the next start)</translation>
    </message>
    <message>
        <source>%1 for %2 (regenerated at the next start)</source>
        <extracomment>%1 the entries of the patient list file, such as &quot;3 records&quot;; %2 the patients, such as &quot;2 patients&quot;</extracomment>
        <translation>%1 for %2 (regenerated at the next start)</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 record</translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n record</numerusform>
            <numerusform>%n records</numerusform>
        </translation>
    </message>
    <message>
        <source>odd length: not UTF-16 text</source>
        <translation>odd length: not UTF-16 text</translation>
    </message>
    <message>
        <source>%1 checked: %2, %3.</source>
        <extracomment>the summary of kavimo-records check: %1 such as &quot;2 patients&quot;, %2 such as &quot;0 problems&quot;, %3 such as &quot;1 warning&quot;</extracomment>
        <translation>%1 checked: %2, %3.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problem</translation>
    </message>
    <message numerus="yes">
        <source>%n problems</source>
        <translation>
            <numerusform>%n problem</numerusform>
            <numerusform>%n problems</numerusform>
        </translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 warning</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message>
        <source>not an archive address (AET@HOST:PORT): %1</source>
        <translation>not an archive address (AET@HOST:PORT): %1</translation>
    </message>
    <message>
        <source>not an AE title: %1</source>
        <translation>not an AE title: %1</translation>
    </message>
    <message>
        <source>Exporting %1 of %2: %3</source>
        <extracomment>the progress line of kavimo-records export-dicom: %1 of %2 pictures, %3 the picture&apos;s name</extracomment>
        <translation>Exporting %1 of %2: %3</translation>
    </message>
    <message>
        <source>%1 of 1 picture written</source>
        <translation>%1 of 1 picture written</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures written</source>
        <translation>
            <numerusform>%1 of %n picture written</numerusform>
            <numerusform>%1 of %n pictures written</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why it was not stored</extracomment>
        <translation>%1: failed: %2</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why the archive cannot be reached</extracomment>
        <translation>%1: not sent: %2</translation>
    </message>
    <message>
        <source>%1: stored as %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 the UID the archive stored it as</extracomment>
        <translation>%1: stored as %2</translation>
    </message>
    <message>
        <source>%1 of 1 picture stored in %2</source>
        <extracomment>%2 the archive, such as PACS@host:104</extracomment>
        <translation>%1 of 1 picture stored in %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures stored in %2</source>
        <translation>
            <numerusform>%1 of %n picture stored in %2</numerusform>
            <numerusform>%1 of %n pictures stored in %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Worklist of %1: 1 scheduled patient</source>
        <extracomment>%1 the day, YYYYMMDD</extracomment>
        <translation>Worklist of %1: 1 scheduled patient</translation>
    </message>
    <message numerus="yes">
        <source>Worklist of %1: %n scheduled patients</source>
        <translation>
            <numerusform>Worklist of %1: %n scheduled patient</numerusform>
            <numerusform>Worklist of %1: %n scheduled patients</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled time</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <extracomment>a column heading of kavimo-records worklist</extracomment>
        <translation>Patient ID</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>a column heading of kavimo-records worklist
----------
a column heading of kavimo-records list</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Born</source>
        <extracomment>a column heading of kavimo-records worklist: the birth date</extracomment>
        <translation>Born</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>a column heading of kavimo-records worklist: the letter M, F or O
----------
a column heading of kavimo-records list</extracomment>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Procedure</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled procedure</extracomment>
        <translation>Procedure</translation>
    </message>
    <message numerus="yes">
        <source>(list cut at %n entries; the archive schedules more)</source>
        <translation>
            <numerusform>(list cut at %n entry; the archive schedules more)</numerusform>
            <numerusform>(list cut at %n entries; the archive schedules more)</numerusform>
        </translation>
    </message>
    <message>
        <source>male</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>male</translation>
    </message>
    <message>
        <source>female</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>female</translation>
    </message>
    <message>
        <source>Work directory %1 (%2)</source>
        <translation>Work directory %1 (%2)</translation>
    </message>
    <message>
        <source>Hospital: %1</source>
        <translation>Hospital: %1</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(not set)</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number in the list</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Age</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Diags</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of diagnoses</extracomment>
        <translation>Diags</translation>
    </message>
    <message>
        <source>Pics</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of pictures</extracomment>
        <translation>Pics</translation>
    </message>
    <message>
        <source>Details:</source>
        <extracomment>a label of kavimo-records show: the details typed for the patient</extracomment>
        <translation>Details:</translation>
    </message>
    <message>
        <source>none (%1 is missing)</source>
        <translation>none (%1 is missing)</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 is damaged: %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>from %1</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>other</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>the patient&apos;s sex: not known</extracomment>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>Full name:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Phone:</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Birth date:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Sex:</translation>
    </message>
    <message>
        <source>Patient ID:</source>
        <translation>Patient ID:</translation>
    </message>
    <message>
        <source>Issuer:</source>
        <extracomment>the issuer of the patient&apos;s outside Patient ID</extracomment>
        <translation>Issuer:</translation>
    </message>
    <message>
        <source>Worklist name:</source>
        <extracomment>the patient&apos;s name as the worklist wrote it</extracomment>
        <translation>Worklist name:</translation>
    </message>
    <message>
        <source>no patient %1 in %2</source>
        <translation>no patient %1 in %2</translation>
    </message>
    <message>
        <source>Patient %1 of %2</source>
        <translation>Patient %1 of %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Age:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <extracomment>a label of kavimo-records show: the patient&apos;s folder</extracomment>
        <translation>Directory:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>%1 (%2 holds %3)</source>
        <extracomment>%1 the count in the patient&apos;s record, %2 a list file, %3 the entries the file holds</extracomment>
        <translation>%1 (%2 holds %3)</translation>
    </message>
    <message>
        <source>Diagnoses:</source>
        <translation>Diagnoses:</translation>
    </message>
    <message>
        <source>Teeth:</source>
        <translation>Teeth:</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Pictures:</translation>
    </message>
    <message>
        <source>[missing]</source>
        <extracomment>after a picture of kavimo-records show whose file is not there</extracomment>
        <translation>[missing]</translation>
    </message>
    <message>
        <source>--drive-d needs a directory</source>
        <translation>--drive-d needs a directory</translation>
    </message>
    <message>
        <source>--data-group needs a group</source>
        <translation>--data-group needs a group</translation>
    </message>
    <message>
        <source>--pacs-issuer needs a text</source>
        <translation>--pacs-issuer needs a text</translation>
    </message>
    <message>
        <source>--pacs-tls needs on or off</source>
        <translation>--pacs-tls needs on or off</translation>
    </message>
    <message>
        <source>--teeth needs FDI numbers such as 11,21</source>
        <translation>--teeth needs FDI numbers such as 11,21</translation>
    </message>
    <message>
        <source>--view needs a view</source>
        <translation>--view needs a view</translation>
    </message>
    <message>
        <source>teeth %1</source>
        <extracomment>under a picture: %1 its teeth, FDI numbers such as 11,21</extracomment>
        <translation>teeth %1</translation>
    </message>
    <message>
        <source>view %1</source>
        <extracomment>under a picture: %1 its view, a keyword such as frontal</extracomment>
        <translation>view %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view (%2)</source>
        <extracomment>%2 the view keywords, such as &quot;frontal, left-buccal, ...&quot;</extracomment>
        <translation>&quot;%1&quot; is not a view (%2)</translation>
    </message>
    <message>
        <source>%1 has no picture %2 in its directory (see show %1)</source>
        <extracomment>%1 the patient&apos;s UID, %2 the picture asked for; &quot;show&quot; is a command name</extracomment>
        <translation>%1 has no picture %2 in its directory (see show %1)</translation>
    </message>
    <message>
        <source>cannot be tagged</source>
        <translation>cannot be tagged</translation>
    </message>
    <message>
        <source>the audit trail was not written: %1</source>
        <translation>the audit trail was not written: %1</translation>
    </message>
    <message>
        <source>no teeth, no view</source>
        <translation>no teeth, no view</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 a command-line option such as --name</extracomment>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>%1 what was given on the command line</extracomment>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unexpected argument %1</translation>
    </message>
</context>
</TS>
