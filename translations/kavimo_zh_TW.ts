<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>kavimo</name>
    <message>
        <source>The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo&apos;s folder not writable. Free some space or ask your technician (%1).</source>
        <translation>影像無法加入歸檔（PACS）傳送佇列：磁碟可能已滿，或 kavimo 的資料夾無法寫入。請釋出空間或洽詢技術人員（%1）。</translation>
    </message>
    <message>
        <source>Sending %1 of %2 to the PACS…</source>
        <translation>正在傳送第 %1 張（共 %2 張）至 PACS…</translation>
    </message>
    <message>
        <source>PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive&apos;s address in Settings.</source>
        <translation>無法連線至 PACS：%1 張等待中，待其回應後傳送。請檢查網路及設定中的歸檔位址。</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).</source>
        <translation>已傳送 %2 張中的 %1 張至 PACS；歸檔拒收 %3 張。請洽詢其管理員（請見記錄檔）。</translation>
    </message>
    <message>
        <source>PACS: %1</source>
        <translation>PACS：%1</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS</source>
        <translation>已傳送 %2 張中的 %1 張至 PACS</translation>
    </message>
    <message>
        <source>No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click the main window and choose &quot;Settings...&quot;, then restart kavimo.</source>
        <translation>尚未設定歸檔（PACS）。請在設定對話框中輸入其 AE Title、主機與連接埠：在主視窗按右鍵並選擇「設定...」，然後重新啟動 kavimo。</translation>
    </message>
    <message>
        <source>PACS (the clinic&apos;s archive)</source>
        <translation>PACS（診所的影像歸檔）</translation>
    </message>
    <message>
        <source>Archive AE title</source>
        <translation>歸檔 AE Title</translation>
    </message>
    <message>
        <source>none: no archive</source>
        <translation>無：不使用歸檔</translation>
    </message>
    <message>
        <source>Archive host</source>
        <translation>歸檔主機</translation>
    </message>
    <message>
        <source>Archive DICOM port</source>
        <translation>歸檔 DICOM 連接埠</translation>
    </message>
    <message>
        <source>kavimo&apos;s AE title</source>
        <translation>kavimo 的 AE Title</translation>
    </message>
    <message>
        <source>Send every stored picture (on/off)</source>
        <translation>傳送每張儲存的影像（on/off）</translation>
    </message>
    <message>
        <source>Worklist modality</source>
        <translation>工作清單檢查類別（Modality）</translation>
    </message>
    <message>
        <source>Worklist of this station or all (this/all)</source>
        <translation>本工作站或全部的工作清單（this/all）</translation>
    </message>
    <message>
        <source>Connect over TLS (the archive must show a certificate the CA signed)</source>
        <translation>透過 TLS 連線（歸檔須出示由該 CA 簽發的憑證）</translation>
    </message>
    <message>
        <source>CA certificates to trust (PEM)</source>
        <translation>信任的 CA 憑證（PEM）</translation>
    </message>
    <message>
        <source>required with TLS</source>
        <translation>使用 TLS 時必填</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate (PEM)</source>
        <translation>kavimo 的憑證（PEM）</translation>
    </message>
    <message>
        <source>none: only if the archive asks for one</source>
        <translation>無：僅在歸檔要求時需要</translation>
    </message>
    <message>
        <source>kavimo&apos;s private key (PEM)</source>
        <translation>kavimo 的私密金鑰（PEM）</translation>
    </message>
    <message>
        <source>none: goes with the certificate</source>
        <translation>無：與憑證搭配使用</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>測試連線</translation>
    </message>
    <message>
        <source>Give the archive&apos;s AE title, host and port first.</source>
        <translation>請先填寫歸檔的 AE Title、主機與連接埠。</translation>
    </message>
    <message>
        <source>Connecting to %1%2…</source>
        <translation>正在連線至 %1%2…</translation>
    </message>
    <message>
        <source> over TLS</source>
        <translation>（透過 TLS）</translation>
    </message>
    <message>
        <source>%1 answers.</source>
        <translation>%1 已回應。</translation>
    </message>
    <message>
        <source>Worklist</source>
        <translation>工作清單</translation>
    </message>
    <message>
        <source>Patients scheduled for %1 (only the first %2: the PACS sent more):</source>
        <translation>%1 預約的病患（僅列出前 %2 位：PACS 傳來的更多）：</translation>
    </message>
    <message>
        <source>The worklist schedules no patient for %1.</source>
        <translation>工作清單中 %1 沒有預約的病患。</translation>
    </message>
    <message>
        <source>Patients scheduled for %1:</source>
        <translation>%1 預約的病患：</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <translation>病歷號</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>Accession</source>
        <translation>檢查單號</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>檢查項目</translation>
    </message>
    <message>
        <source>Not taken as the PACS sent it:
</source>
        <translation>未依 PACS 傳來的內容採用：
</translation>
    </message>
    <message>
        <source>
… and %1 more</source>
        <translation>
… 以及另外 %1 項</translation>
    </message>
    <message>
        <source>Another day:</source>
        <translation>其他日期：</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Asking the PACS for the worklist of %1…</source>
        <translation>正在向 PACS 查詢 %1 的工作清單…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cannot read the worklist: %1</source>
        <translation>無法讀取工作清單：%1</translation>
    </message>
    <message>
        <source>The demo cannot start: %1.</source>
        <translation>展示模式無法啟動：%1。</translation>
    </message>
    <message>
        <source>Oral image acquisition system</source>
        <translation>口腔影像擷取系統</translation>
    </message>
    <message>
        <source>the running kavimo did not open patient %1: %2</source>
        <translation>執行中的 kavimo 未開啟病患 %1：%2</translation>
    </message>
    <message>
        <source>the patient was not opened: %1</source>
        <translation>未開啟病患：%1</translation>
    </message>
    <message>
        <source>kavimo cannot start: %1.</source>
        <translation>kavimo 無法啟動：%1。</translation>
    </message>
    <message>
        <source>the pictures were not exported: %1</source>
        <translation>影像未匯出：%1</translation>
    </message>
    <message>
        <source>the pictures were not shown: %1</source>
        <translation>影像未顯示：%1</translation>
    </message>
    <message>
        <source>the camera link cannot open its sockets on 127.0.0.1</source>
        <translation>攝影機連線無法在 127.0.0.1 上開啟通訊端</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Pickup</source>
        <translation>挑選</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>User</source>
        <translation>病患</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>即時影像</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>凍結</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Choose, create or find a patient</source>
        <translation>選擇、新增或尋找病患</translation>
    </message>
    <message>
        <source>Start or stop the camera&apos;s live picture</source>
        <translation>開始或停止攝影機的即時影像</translation>
    </message>
    <message>
        <source>Freeze the live picture; press again (Save Pic) to store it</source>
        <translation>凍結即時影像；再按一次（儲存影像）即可儲存</translation>
    </message>
    <message>
        <source>Add picture files to this patient</source>
        <translation>為此病患加入影像檔案</translation>
    </message>
    <message>
        <source>Copy the picked pictures (or all of them) to a folder</source>
        <translation>將挑選的影像（或全部影像）複製到資料夾</translation>
    </message>
    <message>
        <source>Pick up to four pictures for the report and the export</source>
        <translation>為報告與匯出挑選最多四張影像</translation>
    </message>
    <message>
        <source>Preview, print or save the report as PDF</source>
        <translation>預覽、列印報告或將其儲存為 PDF</translation>
    </message>
    <message>
        <source>Store the drawing on the shown picture</source>
        <translation>儲存目前影像上的標註</translation>
    </message>
    <message>
        <source>Store the shown picture with its drawing as a new picture</source>
        <translation>將目前影像連同標註另存為新影像</translation>
    </message>
    <message>
        <source>Take back the last stroke</source>
        <translation>復原最後一筆</translation>
    </message>
    <message>
        <source>Show four pictures at once, or one again</source>
        <translation>同時顯示四張影像，或恢復顯示一張</translation>
    </message>
    <message>
        <source>Delete the shown picture (it goes to the trash)</source>
        <translation>刪除目前影像（移至資源回收筒）</translation>
    </message>
    <message>
        <source>Store the diagnosis</source>
        <translation>儲存診斷</translation>
    </message>
    <message>
        <source>Scroll the thumbnails up</source>
        <translation>向上捲動縮圖</translation>
    </message>
    <message>
        <source>Scroll the thumbnails down</source>
        <translation>向下捲動縮圖</translation>
    </message>
    <message>
        <source>Close kavimo (unsaved work is asked about first)</source>
        <translation>關閉 kavimo（會先詢問未儲存的工作）</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>粗</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>細</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍</translation>
    </message>
    <message>
        <source>Num：</source>
        <translation>編號：</translation>
    </message>
    <message>
        <source>Name：</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>Sex：</source>
        <translation>性別：</translation>
    </message>
    <message>
        <source>Age：</source>
        <translation>年齡：</translation>
    </message>
    <message>
        <source>Phone：</source>
        <translation>電話：</translation>
    </message>
    <message>
        <source>Disease：</source>
        <translation>診斷：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The patient %1 of the practice-management system could not be opened: %2.</source>
        <translation>無法開啟診所管理系統的病患 %1：%2。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>ID：</source>
        <translation>編號：</translation>
    </message>
    <message>
        <source>ID：UID%1</source>
        <translation>編號：UID%1</translation>
    </message>
    <message>
        <source>Age：%1</source>
        <translation>年齡：%1</translation>
    </message>
    <message>
        <source>Age：%1 (born %2)</source>
        <translation>年齡：%1（出生於 %2）</translation>
    </message>
    <message>
        <source>The diagnosis has not been saved. Save it?</source>
        <translation>診斷尚未儲存。是否儲存？</translation>
    </message>
    <message>
        <source>The strokes on the picture have not been saved. Save them?</source>
        <translation>影像上的標註尚未儲存。是否儲存？</translation>
    </message>
    <message>
        <source>WIFI connected！</source>
        <translation>Wi-Fi 已連線！</translation>
    </message>
    <message>
        <source>WIFI disconnect！</source>
        <translation>Wi-Fi 已中斷！</translation>
    </message>
    <message>
        <source>Settings(&amp;S)...</source>
        <translation>設定(&amp;S)...</translation>
    </message>
    <message>
        <source>关于 kavimo(&amp;A)...</source>
        <translation>關於 kavimo(&amp;A)...</translation>
    </message>
    <message>
        <source>Export as DICOM…</source>
        <translation>匯出為 DICOM…</translation>
    </message>
    <message>
        <source>Send to PACS</source>
        <translation>傳送至 PACS</translation>
    </message>
    <message>
        <source>Revert to original</source>
        <translation>還原為原始影像</translation>
    </message>
    <message>
        <source>Restore deleted pictures…</source>
        <translation>復原已刪除的影像…</translation>
    </message>
    <message>
        <source>Teeth and view…</source>
        <translation>牙位與視角…</translation>
    </message>
    <message>
        <source>Show pictures of a tooth or view…</source>
        <translation>顯示某顆牙或某視角的影像…</translation>
    </message>
    <message>
        <source>Show all pictures</source>
        <translation>顯示全部影像</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp)</source>
        <translation>影像 (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <source>Please select output dir：</source>
        <translation>請選擇輸出資料夾：</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>不是影像</translation>
    </message>
    <message>
        <source>a %1 picture that cannot be read: %2</source>
        <translation>無法讀取的 %1 影像：%2</translation>
    </message>
    <message>
        <source>Save Pic</source>
        <translation>儲存影像</translation>
    </message>
    <message>
        <source>Fail to Save！</source>
        <translation>儲存失敗！</translation>
    </message>
    <message>
        <source>Fail to Save！
%1</source>
        <translation>儲存失敗！
%1</translation>
    </message>
    <message>
        <source>Fail to save picture！</source>
        <translation>影像儲存失敗！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>the picture could not be read, so it is not written over</source>
        <translation>無法讀取該影像，因此未予覆寫</translation>
    </message>
    <message>
        <source>not a picture in the patient&apos;s directory</source>
        <translation>不是該病患資料夾中的影像</translation>
    </message>
    <message>
        <source>its original cannot be kept: </source>
        <translation>無法保留其原始影像：</translation>
    </message>
    <message>
        <source>Fail to Save！
%1: %2</source>
        <translation>儲存失敗！
%1：%2</translation>
    </message>
    <message>
        <source>Revert %1 to the picture as it was taken?
The strokes saved on it are lost.</source>
        <translation>要將 %1 還原為拍攝時的影像嗎？
其上已儲存的標註將會遺失。</translation>
    </message>
    <message>
        <source>Fail to revert！
%1: %2</source>
        <translation>還原失敗！
%1：%2</translation>
    </message>
    <message>
        <source>Restore deleted pictures</source>
        <translation>復原已刪除的影像</translation>
    </message>
    <message>
        <source>no free picture name</source>
        <translation>沒有可用的影像名稱</translation>
    </message>
    <message>
        <source>Fail to import:
%1</source>
        <translation>匯入失敗：
%1</translation>
    </message>
    <message>
        <source>picture output</source>
        <translation>影像輸出</translation>
    </message>
    <message>
        <source>This patient has no pictures to export.</source>
        <translation>此病患沒有可匯出的影像。</translation>
    </message>
    <message>
        <source>No picture is picked. Export the patient&apos;s picture?</source>
        <translation>尚未挑選影像。是否匯出此病患的影像？</translation>
    </message>
    <message numerus="yes">
        <source>No picture is picked. Export all %n pictures?</source>
        <translation>
            <numerusform>尚未挑選影像。是否匯出全部 %n 張影像？</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose another one.</source>
        <translation>資料夾 %1 不存在。請另選一個。</translation>
    </message>
    <message>
        <source>picture %1: it is no longer in the patient&apos;s list</source>
        <translation>影像 %1：已不在該病患的清單中</translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation>%1：不是檔案名稱</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures exported to %1.</source>
        <translation>
            <numerusform>已將 %n 張影像匯出至 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fail to export:
%2</source>
        <translation>%1

匯出失敗：
%2</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>確定嗎？</translation>
    </message>
    <message>
        <source>

Delete the picture of %1-%2-%3 %4:%5:%6?
It goes to the trash, from which it can be restored for %7 days.</source>
        <translation>

要刪除 %1-%2-%3 %4:%5:%6 的影像嗎？
影像將移至資源回收筒，%7 天內可以復原。</translation>
    </message>
    <message>
        <source>Picture delete</source>
        <translation>刪除影像</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>取消挑選</translation>
    </message>
    <message>
        <source>Restore the unsaved work of %1 from %2?</source>
        <translation>要復原 %1 於 %2 未儲存的工作嗎？</translation>
    </message>
    <message>
        <source>The camera&apos;s video cannot be received: UDP port %1 (%2) is not available.</source>
        <translation>無法接收攝影機的視訊：UDP 連接埠 %1（%2）無法使用。</translation>
    </message>
    <message>
        <source>PACS</source>
        <translation>PACS</translation>
    </message>
    <message>
        <source>DICOMDIR: %1</source>
        <translation>DICOMDIR：%1</translation>
    </message>
    <message>
        <source>%1 of %2 to %3%4%5</source>
        <translation>%1 / %2 至 %3%4%5</translation>
    </message>
    <message>
        <source>; cancelled</source>
        <translation>；已取消</translation>
    </message>
    <message>
        <source>; failed: </source>
        <translation>；失敗：</translation>
    </message>
    <message numerus="yes">
        <source>%n DICOM files written to %1, with a DICOMDIR</source>
        <translation>
            <numerusform>已將 %n 個 DICOM 檔案寫入 %1，並附 DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Export cancelled: %1 of %n DICOM files written to %2, with a DICOMDIR</source>
        <translation>
            <numerusform>匯出已取消：已將 %n 個中的 %1 個 DICOM 檔案寫入 %2，並附 DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n DICOM files written; failed:
%2</source>
        <translation>
            <numerusform>已寫入 %n 個中的 %1 個 DICOM 檔案；失敗：
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to export.</source>
        <translation>此病患沒有可匯出的影像。</translation>
    </message>
    <message>
        <source>Export as DICOM</source>
        <translation>匯出為 DICOM</translation>
    </message>
    <message>
        <source>Invalid dir</source>
        <translation>無效的資料夾</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n pictures as DICOM to
%1</source>
        <translation>
            <numerusform>正在將 %n 張影像以 DICOM 格式匯出至
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to send.</source>
        <translation>此病患沒有可傳送的影像。</translation>
    </message>
    <message>
        <source>kavimo is starting or closing</source>
        <translation>kavimo 正在啟動或關閉</translation>
    </message>
    <message>
        <source>a dialog is open in kavimo; close it and try again</source>
        <translation>kavimo 中有對話框開啟；請關閉後再試一次</translation>
    </message>
    <message>
        <source>the user stayed with the patient on screen to keep unsaved work</source>
        <translation>使用者為保留未儲存的工作而停留在目前的病患</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>單張</translation>
    </message>
    <message>
        <source>Teeth and view</source>
        <translation>牙位與視角</translation>
    </message>
    <message>
        <source>Teeth </source>
        <translation>牙位 </translation>
    </message>
    <message>
        <source>The teeth of %1 were not given to %2:
%3</source>
        <translation>%1 的牙位未能套用至 %2：
%3</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n 張影像</numerusform>
        </translation>
    </message>
    <message>
        <source>The teeth were not stored:
%1</source>
        <translation>牙位未儲存：
%1</translation>
    </message>
    <message>
        <source>Show pictures of</source>
        <translation>顯示影像</translation>
    </message>
    <message>
        <source>A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Empty shows every picture.</source>
        <translation>一顆牙（%1）或一個視角（frontal 正面、left buccal 左頰側、right buccal 右頰側、upper occlusal 上顎咬合面、lower occlusal 下顎咬合面、close-up 特寫、other 其他）。
留空則顯示全部影像。</translation>
    </message>
    <message>
        <source>1–32 or A–T</source>
        <translation>1–32 或 A–T</translation>
    </message>
    <message>
        <source>UR1, LLA</source>
        <translation>UR1, LLA</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a tooth nor a view.</source>
        <translation>「%1」既不是牙位也不是視角。</translation>
    </message>
    <message>
        <source>Show a picture, or pick two, to compare.</source>
        <translation>請顯示一張影像或挑選兩張影像進行比較。</translation>
    </message>
    <message>
        <source>The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.</source>
        <translation>目前影像尚未標示牙位：請標示其牙位，或挑選兩張影像。</translation>
    </message>
    <message>
        <source>No earlier picture shows the same teeth.</source>
        <translation>沒有更早的影像顯示相同的牙位。</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>無法建立 %1</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>無法建立 %1：%2</translation>
    </message>
    <message>
        <source>the picture with the strokes cannot be encoded</source>
        <translation>無法編碼含標註的影像</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>無法寫入 %1 中：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>Faile to create WorkDir!</source>
        <translation>建立工作資料夾失敗！</translation>
    </message>
    <message>
        <source>Create WorkDir successfull!</source>
        <translation>工作資料夾建立成功！</translation>
    </message>
    <message>
        <source>Faile to  create user dir！</source>
        <translation>建立病患資料夾失敗！</translation>
    </message>
    <message>
        <source>User does not exist！</source>
        <translation>病患不存在！</translation>
    </message>
    <message>
        <source>other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>female</source>
        <translation>女</translation>
    </message>
    <message>
        <source>male</source>
        <translation>男</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>User Management</source>
        <translation>病患管理</translation>
    </message>
    <message>
        <source>User List：</source>
        <translation>病患清單：</translation>
    </message>
    <message>
        <source>Picture List：</source>
        <translation>影像清單：</translation>
    </message>
    <message>
        <source>Preview：</source>
        <translation>預覽：</translation>
    </message>
    <message>
        <source>Born：</source>
        <translation>出生：</translation>
    </message>
    <message>
        <source>sex：</source>
        <translation>性別：</translation>
    </message>
    <message>
        <source>Hospital：</source>
        <translation>醫院：</translation>
    </message>
    <message>
        <source>Description：</source>
        <translation>描述：</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>病患編號</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>年齡</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Disease</source>
        <translation>診斷</translation>
    </message>
    <message>
        <source>Click a column&apos;s title to sort by it</source>
        <translation>按一下欄位標題即可依該欄排序</translation>
    </message>
    <message>
        <source>Search: part of the name, ID or phone</source>
        <translation>搜尋：姓名、編號或電話的一部分</translation>
    </message>
    <message>
        <source>YYYYMMDD</source>
        <translation>YYYYMMDD</translation>
    </message>
    <message>
        <source>Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it</source>
        <translation>出生日期，格式為 YYYYMMDD 或 YYYY-MM-DD；年齡將依此計算</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>查詢</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Restore deleted patients…</source>
        <translation>復原已刪除的病患…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>No patient matches &quot;%1&quot;.</source>
        <translation>沒有符合「%1」的病患。</translation>
    </message>
    <message>
        <source>Please enter name！</source>
        <translation>請輸入姓名！</translation>
    </message>
    <message>
        <source>Please enter the birth date as YYYY-MM-DD, not after today！</source>
        <translation>請以 YYYY-MM-DD 格式輸入出生日期，且不得晚於今天！</translation>
    </message>
    <message>
        <source>Please enter age！</source>
        <translation>請輸入年齡！</translation>
    </message>
    <message>
        <source>Please enter phone！</source>
        <translation>請輸入電話！</translation>
    </message>
    <message>
        <source>Please choose sex (Female, Male, Other or Unknown)！</source>
        <translation>請選擇性別（女、男、其他或未知）！</translation>
    </message>
    <message>
        <source>The patient&apos;s record was written, but the name, phone and birth date as typed were not kept: %1</source>
        <translation>病患資料已寫入，但輸入的姓名、電話與出生日期未能保留：%1</translation>
    </message>
    <message>
        <source>The patient was created, but the worklist&apos;s order was not kept, so the pictures will not be attached to it in the archive: %1</source>
        <translation>病患已建立，但工作清單的醫令未能保留，因此影像在歸檔中不會連結至該醫令：%1</translation>
    </message>
    <message numerus="yes">
        <source>The patient list is full: at most %n patients can be kept！</source>
        <translation>
            <numerusform>病患清單已滿：最多只能保存 %n 位病患！</numerusform>
        </translation>
    </message>
    <message>
        <source>A patient was created less than a second ago; please press Create again！</source>
        <translation>不到一秒前剛建立過病患；請再按一次新增！</translation>
    </message>
    <message>
        <source>Are you sure delete？</source>
        <translation>確定要刪除嗎？</translation>
    </message>
    <message>
        <source>Delete the patient %1 (%2) and %3?</source>
        <translation>要刪除病患 %1（%2）及其 %3 嗎？</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n patients and their %1?</source>
        <translation>
            <numerusform>要刪除 %n 位病患及其 %1 嗎？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %n days.</source>
        <translation>
            <numerusform>

%1
這些資料將移至資源回收筒，%n 天內可透過「復原已刪除的病患…」復原。</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no deleted patients to restore.</source>
        <translation>沒有可復原的已刪除病患。</translation>
    </message>
    <message>
        <source>Restore deleted patients</source>
        <translation>復原已刪除的病患</translation>
    </message>
    <message>
        <source>Please enter hospital name！</source>
        <translation>請輸入醫院名稱！</translation>
    </message>
    <message>
        <source>Set hospital successfull！</source>
        <translation>醫院設定成功！</translation>
    </message>
    <message>
        <source>Turn a quarter to the left (Shift+R)</source>
        <translation>向左旋轉 90°（Shift+R）</translation>
    </message>
    <message>
        <source>Turn a quarter to the right (R)</source>
        <translation>向右旋轉 90°（R）</translation>
    </message>
    <message>
        <source>+ / − zoom   0 as it came   R turn   arrows move   Esc close</source>
        <translation>+ / − 縮放   0 原始大小   R 旋轉   方向鍵 移動   Esc 關閉</translation>
    </message>
    <message>
        <source>not on the d: drive</source>
        <translation>不在 d: 磁碟機上</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>記憶體不足</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>無法讀取該影像。</translation>
    </message>
    <message>
        <source>Wheel or + and − zoom both, dragging moves both; double-click fits them.</source>
        <translation>滾輪或 + 與 − 可同時縮放兩張影像，拖曳可同時移動兩張影像；按兩下則符合視窗大小。</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>沒有可寫入的影像</translation>
    </message>
    <message>
        <source>cannot encode the picture as %1: %2</source>
        <translation>無法將影像編碼為 %1：%2</translation>
    </message>
    <message>
        <source>it is a link to a file outside the work directory</source>
        <translation>它是指向工作資料夾以外檔案的連結</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是一般檔案</translation>
    </message>
    <message>
        <source>the path lies outside the d: drive</source>
        <translation>該路徑位於 d: 磁碟機之外</translation>
    </message>
    <message>
        <source>Which teeth does %1 show?</source>
        <translation>%1 顯示的是哪些牙齒？</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>FDI %1</source>
        <translation>FDI %1</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>視角：</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>（未指定）</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>No tooth chosen.</source>
        <translation>未選擇牙位。</translation>
    </message>
    <message>
        <source>Chosen: </source>
        <translation>已選擇：</translation>
    </message>
    <message>
        <source>there is no runtime directory (XDG_RUNTIME_DIR)</source>
        <translation>沒有執行階段目錄（XDG_RUNTIME_DIR）</translation>
    </message>
    <message>
        <source>the running kavimo did not answer</source>
        <translation>執行中的 kavimo 沒有回應</translation>
    </message>
    <message>
        <source>the transfer file was not read: %1</source>
        <translation>未讀取傳輸檔案：%1</translation>
    </message>
    <message>
        <source>the transfer file&apos;s request was refused: %1</source>
        <translation>傳輸檔案的要求遭拒：%1</translation>
    </message>
    <message>
        <source>kavimo has no patient with the ID %1</source>
        <translation>kavimo 中沒有編號為 %1 的病患</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>影像 %1 不屬於該病患</translation>
    </message>
    <message>
        <source>the answer could not be written into the transfer file: %1</source>
        <translation>無法將回應寫入傳輸檔案：%1</translation>
    </message>
    <message>
        <source>Print-diagnose</source>
        <translation>列印診斷</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>無法列印報告。</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>另存為 PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>無法將報告儲存為 %1。</translation>
    </message>
    <message>
        <source>Sex：male</source>
        <translation>性別：男</translation>
    </message>
    <message>
        <source>Sex：female</source>
        <translation>性別：女</translation>
    </message>
    <message>
        <source>Time：</source>
        <translation>時間：</translation>
    </message>
    <message>
        <source>Resualt</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 頁，共 %2 頁</translation>
    </message>
    <message>
        <source>Pictures：</source>
        <translation>影像：</translation>
    </message>
    <message>
        <source>Doctor：</source>
        <translation>醫師：</translation>
    </message>
    <message>
        <source>Pictures and records</source>
        <translation>影像與紀錄</translation>
    </message>
    <message>
        <source>d: drive folder</source>
        <translation>d: 磁碟機資料夾</translation>
    </message>
    <message>
        <source>Stream camera</source>
        <translation>視訊攝影機</translation>
    </message>
    <message>
        <source>Camera address</source>
        <translation>攝影機位址</translation>
    </message>
    <message>
        <source>Camera command port</source>
        <translation>攝影機命令連接埠</translation>
    </message>
    <message>
        <source>Local command port (0: any)</source>
        <translation>本機命令連接埠（0：任意）</translation>
    </message>
    <message>
        <source>Local video port</source>
        <translation>本機視訊連接埠</translation>
    </message>
    <message>
        <source>Picture camera</source>
        <translation>拍照攝影機</translation>
    </message>
    <message>
        <source>Local reply port (0: any)</source>
        <translation>本機回應連接埠（0：任意）</translation>
    </message>
    <message>
        <source>Camera picture port (TCP)</source>
        <translation>攝影機影像連接埠（TCP）</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Local address (0.0.0.0: all)</source>
        <translation>本機位址（0.0.0.0：全部）</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>報告</translation>
    </message>
    <message>
        <source>Doctor&apos;s name</source>
        <translation>醫師姓名</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Foot switch key (does Freeze)</source>
        <translation>腳踏開關按鍵（執行凍結）</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Language (empty: the desktop&apos;s)</source>
        <translation>語言（留空：依桌面設定）</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>The d: drive folder</source>
        <translation>d: 磁碟機資料夾</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>PEM 檔案 (*.pem *.crt *.key);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>設定檔：%1</translation>
    </message>
    <message>
        <source>Changes take effect the next time kavimo starts. An empty field uses the default shown in it. A value overridden by a command-line option or an environment variable is used in the runs without it.</source>
        <translation>變更將於下次啟動 kavimo 時生效。空白欄位會使用其中顯示的預設值。被命令列選項或環境變數覆寫的值，將在未使用該選項或變數的執行中套用。</translation>
    </message>
    <message>
        <source>none; e.g. F8</source>
        <translation>無；例如 F8</translation>
    </message>
    <message>
        <source>not a key (for example F8, Space or Pause)</source>
        <translation>不是按鍵（例如 F8、Space 或 Pause）</translation>
    </message>
    <message>
        <source>e.g. de, zh_CN</source>
        <translation>例如 de、zh_CN</translation>
    </message>
    <message>
        <source>not a language (for example de, fr or zh_CN)</source>
        <translation>不是語言（例如 de、fr 或 zh_CN）</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選擇...</translation>
    </message>
    <message>
        <source>Overridden by %1 for this run</source>
        <translation>本次執行由 %1 覆寫</translation>
    </message>
    <message>
        <source>The settings cannot be written to %1.</source>
        <translation>無法將設定寫入 %1。</translation>
    </message>
    <message>
        <source>Tooth numbers (fdi, universal or palmer; at once)</source>
        <translation>牙位編號（fdi、universal 或 palmer；立即生效）</translation>
    </message>
    <message>
        <source>fdi: 11–48, 51–85</source>
        <translation>fdi：11–48，51–85</translation>
    </message>
    <message>
        <source>not fdi, universal (1–32, A–T) or palmer (UR1, ULA)</source>
        <translation>不是 fdi、universal（1–32、A–T）或 palmer（UR1、ULA）</translation>
    </message>
    <message>
        <source>Ask for the teeth after each capture, at once (the camera&apos;s capture key confirms)</source>
        <translation>每次拍攝後詢問牙位，立即生效（以攝影機的拍攝鍵確認）</translation>
    </message>
    <message>
        <source>Teeth</source>
        <translation>牙位</translation>
    </message>
    <message>
        <source>关于 kavimo</source>
        <translation>關於 kavimo</translation>
    </message>
    <message>
        <source>kavimo, version %1</source>
        <translation>kavimo，版本 %1</translation>
    </message>
    <message>
        <source>Oral image acquisition system for WiFi intraoral cameras</source>
        <translation>適用於 Wi-Fi 口內攝影機的口腔影像擷取系統</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>記錄檔：%1</translation>
    </message>
    <message>
        <source>User guide (F1)</source>
        <translation>使用手冊（F1）</translation>
    </message>
    <message numerus="yes">
        <source>Deleted items are kept for %n days. Choose what to restore:</source>
        <translation>
            <numerusform>已刪除的項目會保留 %n 天。請選擇要復原的項目：</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Picture of %1   (deleted %2)</source>
        <translation>%1 的影像   （刪除於 %2）</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2, %n pictures   (deleted %3)</source>
        <translation>
            <numerusform>%1  %2，%n 張影像   （刪除於 %3）</numerusform>
        </translation>
    </message>
    <message>
        <source>The user guide is not installed. It was looked for in:
%1</source>
        <translation>使用手冊未安裝。已搜尋的位置：
%1</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>使用手冊</translation>
    </message>
    <message>
        <source>kavimo user guide</source>
        <translation>kavimo 使用手冊</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Try &apos;kavimo --help&apos;.</source>
        <translation>請試試「kavimo --help」。</translation>
    </message>
    <message>
        <source>Host directory that stands for the d: drive (default ~/.local/share/kavimo/d).</source>
        <translation>作為 d: 磁碟機的主機資料夾（預設 ~/.local/share/kavimo/d）。</translation>
    </message>
    <message>
        <source>Group that shares the records: folders 0770, files 0660 (default: none, 0700 and 0600).</source>
        <translation>共用紀錄的使用者群組：資料夾 0770，檔案 0660（預設：無，0700 與 0600）。</translation>
    </message>
    <message>
        <source>Address of the stream camera (default 172.16.10.1).</source>
        <translation>視訊攝影機的位址（預設 172.16.10.1）。</translation>
    </message>
    <message>
        <source>The stream camera&apos;s command port (default 7777).</source>
        <translation>視訊攝影機的命令連接埠（預設 7777）。</translation>
    </message>
    <message>
        <source>Local port for the stream camera&apos;s replies, heartbeats and keys (default 7777; 0: any).</source>
        <translation>接收視訊攝影機回應、心跳訊號與按鍵的本機連接埠（預設 7777；0：任意）。</translation>
    </message>
    <message>
        <source>Local port the live video arrives on (default 8888).</source>
        <translation>接收即時視訊的本機連接埠（預設 8888）。</translation>
    </message>
    <message>
        <source>Address of the picture camera (default 192.168.239.1).</source>
        <translation>拍照攝影機的位址（預設 192.168.239.1）。</translation>
    </message>
    <message>
        <source>The picture camera&apos;s command port (default 6000).</source>
        <translation>拍照攝影機的命令連接埠（預設 6000）。</translation>
    </message>
    <message>
        <source>Local port for the picture camera&apos;s replies (default 5000; 0: any).</source>
        <translation>接收拍照攝影機回應的本機連接埠（預設 5000；0：任意）。</translation>
    </message>
    <message>
        <source>The picture camera&apos;s TCP picture port (default 5000).</source>
        <translation>拍照攝影機的 TCP 影像連接埠（預設 5000）。</translation>
    </message>
    <message>
        <source>Local address the camera sockets bind to (default 0.0.0.0: all).</source>
        <translation>攝影機通訊端繫結的本機位址（預設 0.0.0.0：全部）。</translation>
    </message>
    <message>
        <source>The clinic&apos;s archive (PACS): its AE title (default: none, no archive).</source>
        <translation>診所的影像歸檔（PACS）：其 AE Title（預設：無，不使用歸檔）。</translation>
    </message>
    <message>
        <source>The archive&apos;s host name or address.</source>
        <translation>歸檔的主機名稱或位址。</translation>
    </message>
    <message>
        <source>The archive&apos;s DICOM port.</source>
        <translation>歸檔的 DICOM 連接埠。</translation>
    </message>
    <message>
        <source>kavimo&apos;s own AE title towards the archive (default KAVIMO).</source>
        <translation>kavimo 對歸檔使用的自身 AE Title（預設 KAVIMO）。</translation>
    </message>
    <message>
        <source>Issuer of Patient ID sent with kavimo&apos;s own Patient IDs (default KAVIMO- and the first 8 hex digits of the installation&apos;s identity).</source>
        <translation>隨 kavimo 自身病歷號一併傳送的病歷號核發者（Issuer of Patient ID）（預設為 KAVIMO- 加上本安裝識別碼的前 8 位十六進位數字）。</translation>
    </message>
    <message>
        <source>The modality whose worklist entries are listed (default XC, photographs).</source>
        <translation>列出其工作清單項目的檢查類別（Modality）（預設 XC，照片）。</translation>
    </message>
    <message>
        <source>Lists the worklist entries scheduled for kavimo&apos;s own AE title (this, the default) or for every station (all).</source>
        <translation>列出預約給 kavimo 自身 AE Title（this，預設）或所有工作站（all）的工作清單項目。</translation>
    </message>
    <message>
        <source>Sends every stored picture to the archive automatically (default off).</source>
        <translation>自動將每張儲存的影像傳送至歸檔（預設 off）。</translation>
    </message>
    <message>
        <source>Talks to the archive over TLS; its certificate must chain to --pacs-tls-ca and name its host (default off: plain TCP).</source>
        <translation>透過 TLS 與歸檔通訊；其憑證必須可追溯至 --pacs-tls-ca，且須載明其主機名稱（預設 off：一般 TCP）。</translation>
    </message>
    <message>
        <source>The CA certificates (PEM) to check the archive&apos;s certificate with.</source>
        <translation>用來驗證歸檔憑證的 CA 憑證（PEM）。</translation>
    </message>
    <message>
        <source>kavimo&apos;s own certificate (PEM), for archives that ask for one.</source>
        <translation>kavimo 自身的憑證（PEM），供要求憑證的歸檔使用。</translation>
    </message>
    <message>
        <source>The unencrypted private key (PEM) of kavimo&apos;s certificate.</source>
        <translation>kavimo 憑證的未加密私密金鑰（PEM）。</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is %4</source>
        <translation>%1：%2「%3」%4</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>不是資料夾</translation>
    </message>
    <message>
        <source>not an IPv4 address</source>
        <translation>不是 IPv4 位址</translation>
    </message>
    <message>
        <source>not a port (0 to 65535)</source>
        <translation>不是連接埠（0 到 65535）</translation>
    </message>
    <message>
        <source>not a port (1 to 65535)</source>
        <translation>不是連接埠（1 到 65535）</translation>
    </message>
    <message>
        <source>not an AE title (1 to 16 characters)</source>
        <translation>不是 AE Title（1 到 16 個字元）</translation>
    </message>
    <message>
        <source>not a host</source>
        <translation>不是主機</translation>
    </message>
    <message>
        <source>not on or off</source>
        <translation>不是 on 或 off</translation>
    </message>
    <message>
        <source>not an issuer (1 to 64 characters, no backslash)</source>
        <translation>不是核發者（1 到 64 個字元，不可含反斜線）</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>不是檔案</translation>
    </message>
    <message>
        <source>not a modality (a code such as XC or IO)</source>
        <translation>不是檢查類別（須為 XC 或 IO 之類的代碼）</translation>
    </message>
    <message>
        <source>not this or all</source>
        <translation>不是 this 或 all</translation>
    </message>
    <message>
        <source>not a group name</source>
        <translation>不是群組名稱</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>無效</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>未指定資料夾</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>資料夾不存在</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>不是資料夾</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>資料夾無法寫入</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>未指定檔案</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>the file is not readable</source>
        <translation>檔案無法讀取</translation>
    </message>
    <message>
        <source>Opens the patient with this ID of the practice-management system, creating it when kavimo does not have it yet (the patient dialog is not shown); the ID becomes the archive&apos;s Patient ID. When kavimo already runs on this work directory, the running window switches to the patient.</source>
        <translation>開啟診所管理系統中具有此編號的病患；若 kavimo 尚無此病患則予以建立（不顯示病患對話框）；此編號即作為歸檔的病歷號（Patient ID）。若 kavimo 已在此工作資料夾上執行，執行中的視窗會切換至該病患。</translation>
    </message>
    <message>
        <source>The last name of the --patient-id patient (needed with it).</source>
        <translation>--patient-id 病患的姓氏（與其搭配時必填）。</translation>
    </message>
    <message>
        <source>The first name of the --patient-id patient.</source>
        <translation>--patient-id 病患的名字。</translation>
    </message>
    <message>
        <source>The birth date of the --patient-id patient (also YYYY-MM-DD or DD.MM.YYYY).</source>
        <translation>--patient-id 病患的出生日期（亦可為 YYYY-MM-DD 或 DD.MM.YYYY）。</translation>
    </message>
    <message>
        <source>The sex of the --patient-id patient (also Male, Female, Other, Unknown).</source>
        <translation>--patient-id 病患的性別（亦可為 Male、Female、Other、Unknown）。</translation>
    </message>
    <message>
        <source>The phone of the --patient-id patient.</source>
        <translation>--patient-id 病患的電話。</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>顯示此說明。</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>顯示版本。</translation>
    </message>
    <message>
        <source>Points both camera addresses at 127.0.0.1 (for the camera simulator)
[KAVIMO_LOOPBACK=1]</source>
        <translation>將兩個攝影機位址都指向 127.0.0.1（供攝影機模擬器使用）
[KAVIMO_LOOPBACK=1]</translation>
    </message>
    <message>
        <source>Shows kavimo without a camera: starts the camera simulator kavimo-camsim (next to kavimo, else on the PATH) on 127.0.0.1 as a stream camera (--demo) or a picture camera (--demo=picture) and points the camera link at it; the camera addresses and ports above are then unused.</source>
        <translation>在沒有攝影機時展示 kavimo：在 127.0.0.1 上啟動攝影機模擬器 kavimo-camsim（位於 kavimo 旁，否則從 PATH 尋找），作為視訊攝影機（--demo）或拍照攝影機（--demo=picture），並將攝影機連線指向它；此時上述的攝影機位址與連接埠不會使用。</translation>
    </message>
    <message>
        <source>The settings file to read instead of %1
[KAVIMO_CONFIG]</source>
        <translation>要讀取的設定檔，取代 %1
[KAVIMO_CONFIG]</translation>
    </message>
    <message>
        <source>Writes a picture of the screen.</source>
        <translation>儲存螢幕擷取畫面。</translation>
    </message>
    <message>
        <source>Milliseconds.</source>
        <translation>毫秒。</translation>
    </message>
    <message>
        <source>kavimo: oral image acquisition for WiFi intraoral cameras.
Every setting can also be given in the environment (KAVIMO_*) or in kavimo.ini;
the command line wins over the environment, which wins over the file.</source>
        <translation>kavimo：適用於 Wi-Fi 口內攝影機的口腔影像擷取。
每項設定也可在環境變數（KAVIMO_*）或 kavimo.ini 中指定；
命令列優先於環境變數，環境變數優先於設定檔。</translation>
    </message>
    <message>
        <source>A VDDS-media transfer file the practice-management system wrote.</source>
        <translation>由診所管理系統寫入的 VDDS-media 傳輸檔案。</translation>
    </message>
    <message>
        <source>Usage: kavimo [options] [transfer-file]</source>
        <translation>用法：kavimo [選項] [transfer-file]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>非預期的引數「%1」</translation>
    </message>
    <message>
        <source>settings file &quot;%1&quot; does not exist</source>
        <translation>設定檔「%1」不存在</translation>
    </message>
    <message>
        <source>--demo=%1: the demo camera is &quot;stream&quot; or &quot;picture&quot;</source>
        <translation>--demo=%1：展示攝影機須為「stream」或「picture」</translation>
    </message>
    <message>
        <source>a transfer file and --patient-id cannot be given together</source>
        <translation>不能同時指定傳輸檔案與 --patient-id</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (no such transfer file)</source>
        <translation>非預期的引數「%1」（沒有此傳輸檔案）</translation>
    </message>
    <message>
        <source>the patient options need --patient-id</source>
        <translation>病患選項需要 --patient-id</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>出生日期「%1」不是日期（YYYYMMDD）</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O, U, Male, Female, Other or Unknown</source>
        <translation>性別「%1」不是 M、F、O、U、Male、Female、Other 或 Unknown</translation>
    </message>
    <message>
        <source>the stream camera %1:%2 is the program&apos;s own command port; give the camera&apos;s port with --stream-command-port or another local port with --stream-local-port</source>
        <translation>視訊攝影機 %1:%2 是本程式自己的命令連接埠；請以 --stream-command-port 指定攝影機的連接埠，或以 --stream-local-port 指定另一個本機連接埠</translation>
    </message>
    <message>
        <source>the picture camera %1:%2 is the program&apos;s own reply port; give the camera&apos;s port with --picture-command-port or another local port with --picture-reply-port</source>
        <translation>拍照攝影機 %1:%2 是本程式自己的回應連接埠；請以 --picture-command-port 指定攝影機的連接埠，或以 --picture-reply-port 指定另一個本機連接埠</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Could not find &quot;%1&quot;: %2</source>
        <translation>找不到「%1」：%2</translation>
    </message>
    <message>
        <source>Could not create &quot;%1&quot;: %2</source>
        <translation>無法建立「%1」：%2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>無法讀取「%1」：%2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>無法寫入「%1」：%2</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>無法將「%1」移至資源回收筒：%2</translation>
    </message>
    <message>
        <source>Could not restore &quot;%1&quot;: %2</source>
        <translation>無法復原「%1」：%2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;: %2</source>
        <translation>無法刪除「%1」：%2</translation>
    </message>
    <message>
        <source>These patient records are incomplete and were left out of the patient list:%1</source>
        <translation>下列病患紀錄不完整，未列入病患清單：%1</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but no files were deleted: its record names the directory &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>%1 已從病患清單中移除，但未刪除任何檔案：其紀錄指向資料夾「%2」，而非「%3」。</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; could not be moved to the trash: %3</source>
        <translation>%1 已從病患清單中移除，但無法將「%2」移至資源回收筒：%3</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; was not deleted: it is not a plain directory.</source>
        <translation>%1 已從病患清單中移除，但未刪除「%2」：它不是一般資料夾。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; was not added: its path is longer than %2 bytes.</source>
        <translation>未加入影像「%1」：其路徑超過 %2 位元組。</translation>
    </message>
    <message>
        <source>These pictures were not added: their paths are longer than %1 bytes.%2</source>
        <translation>下列影像未加入：其路徑超過 %1 位元組。%2</translation>
    </message>
    <message>
        <source>%1 cannot be restored: the patient list is full.</source>
        <translation>無法復原 %1：病患清單已滿。</translation>
    </message>
    <message>
        <source>%1 cannot be restored: a patient directory of that name exists.</source>
        <translation>無法復原 %1：已有同名的病患資料夾。</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>無法復原 %1：%2</translation>
    </message>
    <message>
        <source>Cannot create the work directory %1: %2</source>
        <translation>無法建立工作資料夾 %1：%2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is a symbolic link, which kavimo does not follow.</source>
        <translation>無法使用鎖定檔 %1：它是符號連結，而 kavimo 不會追隨符號連結。</translation>
    </message>
    <message>
        <source>Cannot open the lock file %1: %2</source>
        <translation>無法開啟鎖定檔 %1：%2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is not a plain file.</source>
        <translation>無法使用鎖定檔 %1：它不是一般檔案。</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on %2 (process %3).</source>
        <translation>%1 中的病患紀錄正由 %2 上的 kavimo 使用中（處理程序 %3）。</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on another computer or process.</source>
        <translation>%1 中的病患紀錄正由另一台電腦或另一個處理程序中的 kavimo 使用中。</translation>
    </message>
    <message>
        <source>Cannot lock the patient records in %1: %2</source>
        <translation>無法鎖定 %1 中的病患紀錄：%2</translation>
    </message>
    <message>
        <source>the JPEG data is cut short or damaged (%1)</source>
        <translation>JPEG 資料不完整或已損毀（%1）</translation>
    </message>
    <message>
        <source>not a readable JPEG picture: %1</source>
        <translation>不是可讀取的 JPEG 影像：%1</translation>
    </message>
    <message>
        <source>the picture does not decode to RGB</source>
        <translation>影像無法解碼為 RGB</translation>
    </message>
    <message>
        <source>cannot encode the picture as JPEG: %1</source>
        <translation>無法將影像編碼為 JPEG：%1</translation>
    </message>
    <message>
        <source>the archive&apos;s address is not set (AE title, host and port)</source>
        <translation>尚未設定歸檔的位址（AE Title、主機與連接埠）</translation>
    </message>
    <message>
        <source>the archive %1 refused the connection (check its AE title and that it accepts %2): %3</source>
        <translation>歸檔 %1 拒絕連線（請檢查其 AE Title，以及它是否接受 %2）：%3</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2 (it may ask for kavimo&apos;s own TLS certificate, and none is set)</source>
        <translation>無法連線至歸檔 %1：%2（它可能要求 kavimo 自身的 TLS 憑證，但尚未設定）</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2</source>
        <translation>無法連線至歸檔 %1：%2</translation>
    </message>
    <message>
        <source>not connected to the archive</source>
        <translation>未連線至歸檔</translation>
    </message>
    <message>
        <source>the archive did not answer the check: %1</source>
        <translation>歸檔未回應檢測：%1</translation>
    </message>
    <message>
        <source>the archive does not accept photographic pictures (VL Photographic Image Storage)</source>
        <translation>歸檔不接受攝影影像（VL Photographic Image Storage）</translation>
    </message>
    <message>
        <source>the archive did not confirm the picture: %1</source>
        <translation>歸檔未確認收到影像：%1</translation>
    </message>
    <message>
        <source>the archive refused the picture (%1)</source>
        <translation>歸檔拒收影像（%1）</translation>
    </message>
    <message>
        <source>the archive stored the picture with a warning (%1)</source>
        <translation>歸檔已儲存影像，但發出警告（%1）</translation>
    </message>
    <message>
        <source>the archive offers no worklist</source>
        <translation>歸檔不提供工作清單</translation>
    </message>
    <message>
        <source>the archive did not finish answering within %1 s</source>
        <translation>歸檔未在 %1 秒內完成回應</translation>
    </message>
    <message>
        <source>the worklist query failed: %1</source>
        <translation>工作清單查詢失敗：%1</translation>
    </message>
    <message>
        <source>the picture claims %1 × %2 pixels, more than kavimo opens</source>
        <translation>影像宣稱有 %1 × %2 像素，超出 kavimo 可開啟的大小</translation>
    </message>
    <message numerus="yes">
        <source>the patient list is full: at most %n patients can be kept</source>
        <translation>
            <numerusform>病患清單已滿：最多只能保存 %n 位病患</numerusform>
        </translation>
    </message>
    <message>
        <source>the computer&apos;s clock is behind the newest patient&apos;s creation time</source>
        <translation>電腦的時鐘早於最新病患的建立時間</translation>
    </message>
    <message>
        <source>the patient could not be stored in the work directory</source>
        <translation>無法將病患儲存至工作資料夾</translation>
    </message>
    <message>
        <source>the patient&apos;s details could not be written: %1</source>
        <translation>無法寫入病患的詳細資料：%1</translation>
    </message>
    <message>
        <source>the patient could not be selected</source>
        <translation>無法選擇該病患</translation>
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
        <translation>用法：kavimo-camsim --stream|--picture [選項]

在本機迴路（loopback）上模擬 kavimo 系統的一台攝影機。所有位址都必須位於 127.0.0.0/8 內。

  --stream               視訊攝影機：識別回應、心跳訊號、按鍵、H.264 視訊
  --picture              拍照攝影機：識別回應、TCP 影像通道
  --bind IP              所有通訊端的本機位址（預設 127.0.0.1）
  --app IP               應用程式的位址（預設 127.0.0.1）
  --cmd-port N           攝影機的 UDP 命令連接埠（預設 0：由核心選擇）
  --app-port N           應用程式的命令連接埠（stream，預設 7777）或回應
                         連接埠（picture，預設 5000）；0：在命令
                         「app-port N」指定之前不傳送任何資料
  --video-port N         應用程式的視訊連接埠（預設 8888）；0：在
                         「video-port N」指定之前不傳送視訊
  --tcp-port N           影像通道的 TCP 連接埠（預設 0：由核心選擇）
  --name TEXT            攝影機在識別回應中的名稱（最多 32 位元組）
  --value N              識別回應的第一個引數（預設 1）
  --size WxH             影像大小（預設 640x480）
  --fps N                每秒視訊影格數（預設 25）
  --gop N                從一個關鍵影格到下一個關鍵影格的影格數（預設 25）
  --bitrate KBPS         視訊位元率（預設 1500）
  --fragment-size N      每個片段的酬載位元組數，每個資料包一個片段（預設 1400）
  --attribute N          每個影格的視訊屬性代碼（預設 0）
  --input FILE.h264      改為（循環）傳送此 Annex B 檔案的畫面，而非測試畫面
  --loss N               每 N 個片段丟棄一個（預設 0：不丟棄）
  --heartbeat-ms N       心跳週期（預設 500；0：無）
  --no-heartbeat         啟動時心跳訊號為停止狀態
  --no-video             啟動時視訊為停止狀態
  --no-identify          不回應識別
  --preview-fps N        每秒預覽影像數（預設 10）
  --quality N            預覽影像的 JPEG 品質（預設 80）
  --drop-after N         每個 TCP 連線傳送 N 張影像後即中斷
  --at SECONDS:COMMAND   在啟動後的指定時間執行命令（可重複指定）
  --exit-on-stdin-eof    標準輸入關閉時結束
  --duration SECONDS     經過此時間後結束
  -h, --help             本說明
  --version              本程式所屬的 kavimo 版本

命令（從標準輸入，每行一個，或以 --at 指定）：
  key N                  視訊攝影機：傳送攝影機按鍵 N（81..85）；拍照攝影機：拍攝
  capture                拍照攝影機：傳送一張拍攝的影像
  heartbeat on|off       開始或停止心跳訊號
  video on|off           開始或停止視訊
  identify on|off        是否回應識別
  drop                   拍照攝影機：關閉 TCP 連線
  oversize               拍照攝影機：傳送一則超過 1048576 位元組的預覽訊息
  loss N                 從現在起每 N 個片段丟棄一個（0：不丟棄）
  loss-rate N            從現在起隨機丟棄片段，每千個丟棄 N 個（0：不丟棄）
  send CODE [A1 [A2]]    以這些值向應用程式傳送一個命令資料包
  app-port N             從現在起將回應、心跳訊號與按鍵傳送至此連接埠
  video-port N           從現在起將視訊傳送至此連接埠
  quit                   結束

標準輸出：所有通訊端繫結完成後輸出一行「camsim ready mode=... cmd_port=... ...」，
接著輸出「camsim event ...」各行；結束時輸出「camsim bye」。錯誤訊息輸出至標準錯誤。
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
        <translation>用法：kavimo-play [選項] [FILE.h264]
播放 H.264 基本串流；未指定檔案時播放產生的測試圖樣。
  --size WxH            產生之圖樣的大小（預設 1280x720）
  --fps N               串流的影格率（預設 25）
  --mode 0|1            繪製模式：0 表面圖層（預設），1 SDL
  --overlay             在視訊上疊加統計資訊文字
  --frames N            播放 N 個影格後停止
  --seconds S           播放 S 秒後停止
  --loop                檔案播放完畢時從頭重新播放
  --window WxH          視窗大小（預設：圖樣的大小；檔案為 960x540）
  --no-pacing           以最快的繪製速度顯示影格（不控制播放節奏，一次送入）
  --shot FILE.bmp       結束時寫出最後顯示的影格（TEGMO_PLAY_VideoShotLast）
  --window-shot FILE.bmp  結束時寫出視窗顯示的內容
  --record FILE.h264    同時將播放的影格寫入基本串流檔案
  -h, --help            本說明
  --version             本程式所屬的 kavimo 版本
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
        <translation>用法：kavimo-records [--drive-d DIR] [--data-group GROUP] COMMAND

檢視 kavimo 的病患紀錄而不加以變更；tag 則會在紀錄旁設定影像的
牙位與視角。

命令：
  list        所有病患：編號、UID、姓名、性別、年齡、電話、診斷、影像
  show UID    單一病患的紀錄、診斷及影像，含各影像的牙位與視角
              （UID20170801102233 或其中的數字）
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              設定影像的牙位（FDI 編號；空白：無）與視角；PICTURE 為
              show 所列的影像（其編號、路徑或檔名）；VIEW 為 frontal、
              left-buccal、right-buccal、upper-occlusal、lower-occlusal、close-up 或 other
              （空白：無）。kavimo 開啟此工作資料夾期間會拒絕執行
  check       比對每位病患的計數與其清單檔案及影像檔案，檢查每張
              影像是否為 JPEG，並找出遺失的備份與多餘的檔案；
              發現問題時結束狀態為 1
  export-dicom UID DIR [--pacs-issuer TEXT]
              將該病患的每張影像寫入 DIR/DICOM/，並附 DICOMDIR
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [TLS 選項]
              將該病患的每張影像傳送至歸檔，每張影像輸出一行
              （若工作資料夾中尚無本安裝的識別碼 Installation.txt，這兩個命令
              會寫入它：它們產生的每個 UID 都帶有此識別碼）
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [TLS 選項] [--date YYYYMMDD]
              工作清單中該日預約的病患（預設為今天）
  audit [--since YYYYMMDD]
              稽核軌跡：誰在何時拍攝、儲存、刪除、匯出或傳送了什麼，
              每行一個事件（自指定日期起）

選項：
  --drive-d DIR   代表 d: 磁碟機的主機資料夾（預設：$KAVIMO_DRIVE_D，
                  否則為 kavimo.ini（$KAVIMO_CONFIG，否則為
                  ~/.config/kavimo/kavimo.ini）的 paths/drive_d，否則為 $XDG_DATA_HOME/kavimo/d，即
                  ~/.local/share/kavimo/d；沒有 HOME 時必須指定）
  --data-group GROUP  共用紀錄的使用者群組：本程式寫入的檔案權限為
                  0660（資料夾 0770）並屬於該群組（預設：$KAVIMO_DATA_GROUP，
                  否則為 kavimo.ini 的 paths/data_group，否則為無：0600 與 0700）
  --pacs AET@HOST:PORT  歸檔：其 AE Title、主機與 DICOM 連接埠
  --calling-aet AET     kavimo 自身的 AE Title（預設 KAVIMO）
  --pacs-issuer TEXT    kavimo 自身病歷號的病歷號核發者（Issuer of Patient ID）（預設：
                        $KAVIMO_PACS_ISSUER，否則為 KAVIMO- 加上本安裝識別碼的
                        8 位十六進位數字）
  --pacs-tls on|off     透過 TLS 與歸檔通訊（預設 off：一般 TCP）
  --pacs-tls-ca FILE    歸檔憑證必須可追溯至的 CA 憑證（PEM）；
                        該憑證也必須載明歸檔的主機名稱
  --pacs-tls-cert FILE  kavimo 自身的憑證（PEM），供要求憑證的歸檔使用
  --pacs-tls-key FILE   該憑證的未加密私密金鑰（PEM）
  --date YYYYMMDD       工作清單的日期
  --since YYYYMMDD      稽核軌跡的起始日期
  --teeth LIST          tag：影像的牙位，FDI 編號，例如 11,21
  --view VIEW           tag：影像的視角
  -h, --help      本說明
  --version       本程式所屬的 kavimo 版本

結束狀態：0 正常；1 發現問題、無此病患或影像、工作資料夾
使用中，或影像或檔案未寫入或未儲存；2 用法錯誤或沒有工作資料夾。
</translation>
    </message>
    <message>
        <source>not a UID: %1</source>
        <translation>不是 UID：%1</translation>
    </message>
    <message>
        <source>tag needs --teeth or --view</source>
        <translation>tag 需要 --teeth 或 --view</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <source>--teeth and --view apply to tag only</source>
        <translation>--teeth 與 --view 僅適用於 tag</translation>
    </message>
    <message>
        <source>--pacs, --calling-aet and the TLS options do not apply to %1</source>
        <translation>--pacs、--calling-aet 與 TLS 選項不適用於 %1</translation>
    </message>
    <message>
        <source>--pacs-tls-ca, --pacs-tls-cert and --pacs-tls-key need --pacs-tls on</source>
        <translation>--pacs-tls-ca、--pacs-tls-cert 與 --pacs-tls-key 需要 --pacs-tls on</translation>
    </message>
    <message>
        <source>--pacs-issuer does not apply to %1</source>
        <translation>--pacs-issuer 不適用於 %1</translation>
    </message>
    <message>
        <source>--pacs-issuer needs 1 to 64 characters without a backslash</source>
        <translation>--pacs-issuer 須為 1 到 64 個字元，且不得含反斜線</translation>
    </message>
    <message>
        <source>--since applies to audit only</source>
        <translation>--since 僅適用於 audit</translation>
    </message>
    <message>
        <source>--since needs YYYYMMDD</source>
        <translation>--since 需要 YYYYMMDD 格式的日期</translation>
    </message>
    <message>
        <source>--date applies to worklist only</source>
        <translation>--date 僅適用於 worklist</translation>
    </message>
    <message>
        <source>--date needs YYYYMMDD</source>
        <translation>--date 需要 YYYYMMDD 格式的日期</translation>
    </message>
    <message>
        <source>%1 needs --pacs AET@HOST:PORT</source>
        <translation>%1 需要 --pacs AET@HOST:PORT</translation>
    </message>
    <message>
        <source>wrong arguments for %1</source>
        <translation>%1 的引數錯誤</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>未知的命令：%1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1：不是一般檔案</translation>
    </message>
    <message>
        <source>%1: the line was written only in part (the disk may be full)</source>
        <translation>%1：該行僅寫入一部分（磁碟可能已滿）</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1：無法讀取</translation>
    </message>
    <message>
        <source>line %1: no &quot;=&quot;</source>
        <extracomment>%1 is a line number of a &quot;Key=value&quot; file</extracomment>
        <translation>第 %1 行：沒有「=」</translation>
    </message>
    <message>
        <source>line %1: %2 given twice</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>第 %1 行：%2 重複出現</translation>
    </message>
    <message>
        <source>line %1: %2 is not UTF-8 text</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>第 %1 行：%2 不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>%1 is not a YYYYMMDD date</source>
        <extracomment>%1 is a key of a &quot;Key=value&quot; file (&quot;BirthDate&quot;, &quot;Date&quot;)</extracomment>
        <translation>%1 不是 YYYYMMDD 格式的日期</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>line %1: unknown key &quot;%2&quot;</source>
        <extracomment>%1 is a line number, %2 a key of the patient&apos;s details file</extracomment>
        <translation>第 %1 行：未知的鍵「%2」</translation>
    </message>
    <message>
        <source>%1 is not one of M, F, O, U</source>
        <extracomment>%1 is the key of the sex in the patient&apos;s details file (&quot;Sex&quot;)</extracomment>
        <translation>%1 不是 M、F、O、U 之一</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>無法讀取</translation>
    </message>
    <message numerus="yes">
        <source>larger than %n bytes</source>
        <translation>
            <numerusform>大於 %n 位元組</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cannot be read, or larger than %n bytes</source>
        <translation>
            <numerusform>無法讀取，或大於 %n 位元組</numerusform>
        </translation>
    </message>
    <message>
        <source>Frontal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>正面</translation>
    </message>
    <message>
        <source>Left buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>左頰側</translation>
    </message>
    <message>
        <source>Right buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>右頰側</translation>
    </message>
    <message>
        <source>Upper occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>上顎咬合面</translation>
    </message>
    <message>
        <source>Lower occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>下顎咬合面</translation>
    </message>
    <message>
        <source>Close-up</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>特寫</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>view</comment>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>其他</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an FDI tooth number (11-48, 51-85)</source>
        <translation>「%1」不是 FDI 牙位編號（11-48、51-85）</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>無法讀取：%1</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>第一行不是「%1」</translation>
    </message>
    <message>
        <source>not three tab-separated fields</source>
        <translation>不是以 Tab 分隔的三個欄位</translation>
    </message>
    <message>
        <source>not a picture&apos;s file name</source>
        <translation>不是影像的檔名</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is the file name of a picture</extracomment>
        <translation>%1 出現兩次</translation>
    </message>
    <message>
        <source>the teeth are not in ascending order, separated by commas</source>
        <translation>牙位未依遞增順序排列並以逗號分隔</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view</source>
        <translation>「%1」不是視角</translation>
    </message>
    <message>
        <source>neither teeth nor a view</source>
        <translation>既無牙位也無視角</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>檔案是空的</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the teeth file, %2 what is wrong with that line</extracomment>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>無法刪除 %1：%2</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); it is left as it is</source>
        <extracomment>%1 is the teeth file&apos;s name, %2 what is wrong with it</extracomment>
        <translation>%1 已損壞（%2）；維持原狀，未予變更</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be tagged</source>
        <translation>無法標示「%1」</translation>
    </message>
    <message>
        <source>the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>無法讀取資源回收筒的索引</translation>
    </message>
    <message>
        <source>the index does not begin with &quot;%1&quot;</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>資源回收筒的索引不是以「%1」開頭</translation>
    </message>
    <message>
        <source>line %1 of the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>無法讀取資源回收筒索引的第 %1 行</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no folder</source>
        <extracomment>%1 is the name of an entry of the trash, %2 the patient or picture it holds</extracomment>
        <translation>項目 %1（%2）沒有資料夾</translation>
    </message>
    <message>
        <source>cannot create the folder %1: something else has its name</source>
        <translation>無法建立資料夾 %1：已有其他同名項目</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>無法建立資料夾 %1：%2</translation>
    </message>
    <message>
        <source>cannot create a temporary folder in %1: %2</source>
        <translation>無法在 %1 中建立暫存資料夾：%2</translation>
    </message>
    <message>
        <source>no free file name for the picture in %1</source>
        <translation>%1 中沒有可供該影像使用的檔名</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a file of the DICOMDIR, then why it cannot be listed
----------
a picture, then why it cannot be made into a DICOM object
----------
a picture file, then why it cannot be made into a DICOM object</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>there is no picture to list in the DICOMDIR</source>
        <translation>沒有可列入 DICOMDIR 的影像</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <extracomment>%2 the system&apos;s reason</extracomment>
        <translation>無法建立 %1：%2</translation>
    </message>
    <message>
        <source>%1 is damaged: it does not hold this installation&apos;s identity. Restore it from a backup; remove it only to give this installation a new identity (pictures sent before then get new UIDs when they are sent again)</source>
        <translation>%1 已損壞：其中沒有本安裝的識別碼。請從備份還原；唯有要為本安裝指定新的識別碼時才刪除它（先前傳送過的影像再次傳送時會取得新的 UID）</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>cannot write the outbox %1: %2</source>
        <translation>無法寫入傳送佇列 %1：%2</translation>
    </message>
    <message>
        <source>cannot read the outbox %1: %2</source>
        <translation>無法讀取傳送佇列 %1：%2</translation>
    </message>
    <message>
        <source>the sending failed: %1</source>
        <translation>傳送失敗：%1</translation>
    </message>
    <message numerus="yes">
        <source>refused %n times: %1</source>
        <translation>
            <numerusform>已遭拒 %n 次：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>attribute list error</source>
        <translation>屬性清單錯誤</translation>
    </message>
    <message>
        <source>attribute value out of range</source>
        <translation>屬性值超出範圍</translation>
    </message>
    <message>
        <source>processing failure</source>
        <translation>處理失敗</translation>
    </message>
    <message>
        <source>SOP class not supported</source>
        <translation>不支援該 SOP 類別</translation>
    </message>
    <message>
        <source>not authorised</source>
        <translation>未獲授權</translation>
    </message>
    <message>
        <source>coercion of data elements</source>
        <translation>資料元素遭強制轉換</translation>
    </message>
    <message>
        <source>elements discarded</source>
        <translation>資料元素遭捨棄</translation>
    </message>
    <message>
        <source>data set does not match SOP class</source>
        <translation>資料集與 SOP 類別不符</translation>
    </message>
    <message>
        <source>cannot understand</source>
        <translation>無法理解</translation>
    </message>
    <message>
        <source>out of resources</source>
        <translation>資源不足</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1 is a DICOM status number (0xA700)</extracomment>
        <translation>狀態 %1</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1 is a DICOM status number (0xA700), %2 what it means (&quot;out of resources&quot;)</extracomment>
        <translation>狀態 %1：%2</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>無法設定 TLS：%1</translation>
    </message>
    <message>
        <source>TLS is on, but no CA certificate file is set to check the archive&apos;s certificate with</source>
        <translation>已啟用 TLS，但未設定用來驗證歸檔憑證的 CA 憑證檔案</translation>
    </message>
    <message>
        <source>cannot read the CA certificate file %1: %2</source>
        <translation>無法讀取 CA 憑證檔案 %1：%2</translation>
    </message>
    <message>
        <source>the CA certificate file %1 holds no PEM certificate: %2</source>
        <translation>CA 憑證檔案 %1 中沒有 PEM 憑證：%2</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS key file is set without its certificate file</source>
        <translation>已設定 kavimo 的 TLS 私密金鑰檔案，但未設定其憑證檔案</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS certificate file is set without its key file</source>
        <translation>已設定 kavimo 的 TLS 憑證檔案，但未設定其私密金鑰檔案</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s certificate file %1: %2</source>
        <translation>無法讀取 kavimo 的憑證檔案 %1：%2</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s key file %1: %2</source>
        <translation>無法讀取 kavimo 的私密金鑰檔案 %1：%2</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate file %1 holds no PEM certificate: %2</source>
        <translation>kavimo 的憑證檔案 %1 中沒有 PEM 憑證：%2</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 holds no unencrypted PEM private key</source>
        <translation>kavimo 的私密金鑰檔案 %1 中沒有未加密的 PEM 私密金鑰</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 does not belong to the certificate %2</source>
        <translation>kavimo 的私密金鑰檔案 %1 與憑證 %2 不相符</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1 (it is not made out to %2)</source>
        <extracomment>%1 is OpenSSL&apos;s reason, %2 the archive&apos;s host name or address</extracomment>
        <translation>歸檔的憑證不受信任：%1（該憑證並非簽發給 %2）</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1</source>
        <extracomment>%1 is OpenSSL&apos;s reason</extracomment>
        <translation>歸檔的憑證不受信任：%1</translation>
    </message>
    <message>
        <source>the archive %1 did not finish the TLS handshake in time</source>
        <translation>歸檔 %1 未及時完成 TLS 交握</translation>
    </message>
    <message>
        <source>the TLS handshake with the archive %1 failed: %2</source>
        <translation>與歸檔 %1 的 TLS 交握失敗：%2</translation>
    </message>
    <message>
        <source>an entry without Patient ID</source>
        <translation>無病歷號的項目</translation>
    </message>
    <message>
        <source>patient &quot;%1&quot;</source>
        <translation>病患「%1」</translation>
    </message>
    <message>
        <source>%1: %2 left out (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1：已略去欄位「%2」（%3）</translation>
    </message>
    <message>
        <source>%1: %2 shortened or cleaned (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1：欄位「%2」已截短或清理（%3）</translation>
    </message>
    <message>
        <source>%1: its texts cannot be read in the character set &quot;%2&quot; (%3); what is not UTF-8 is shown as %4</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a character set, %3 the converter&apos;s reason, %4 the replacement character</extracomment>
        <translation>%1：無法以字元集「%2」讀取其文字（%3）；非 UTF-8 的部分顯示為 %4</translation>
    </message>
    <message>
        <source>%1: left out, its Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Patient ID</extracomment>
        <translation>%1：已略去，其病歷號無法使用（%2）</translation>
    </message>
    <message>
        <source>%1: left out, its Issuer of Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Issuer of Patient ID</extracomment>
        <translation>%1：已略去，其病歷號核發者（Issuer of Patient ID）無法使用（%2）</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>姓名</translation>
    </message>
    <message>
        <source>birth date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>sex</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>性別</translation>
    </message>
    <message>
        <source>%1: sex left out (not F, M or O)</source>
        <extracomment>%1 names the worklist entry&apos;s patient</extracomment>
        <translation>%1：已略去性別（不是 F、M 或 O）</translation>
    </message>
    <message>
        <source>Accession Number</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>檢查單號</translation>
    </message>
    <message>
        <source>Study Instance UID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Study Instance UID</translation>
    </message>
    <message>
        <source>Requested Procedure ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>檢查項目 ID</translation>
    </message>
    <message>
        <source>Requested Procedure Description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>檢查項目說明</translation>
    </message>
    <message>
        <source>referring physician</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>轉診醫師</translation>
    </message>
    <message>
        <source>scheduled date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>預約日期</translation>
    </message>
    <message>
        <source>scheduled time</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>預約時間</translation>
    </message>
    <message>
        <source>modality</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>檢查類別</translation>
    </message>
    <message>
        <source>station</source>
        <extracomment>a field of a worklist entry (the AE title of the station it is scheduled on)</extracomment>
        <translation>工作站</translation>
    </message>
    <message>
        <source>step description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>檢查步驟說明</translation>
    </message>
    <message>
        <source>step ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>檢查步驟 ID</translation>
    </message>
    <message>
        <source>no patient %1</source>
        <translation>沒有病患 %1</translation>
    </message>
    <message>
        <source>refused %1: it is a link to %2, outside the work directory</source>
        <translation>已拒絕 %1：它是指向工作資料夾外 %2 的連結</translation>
    </message>
    <message>
        <source>refused %1: not a regular file</source>
        <translation>已拒絕 %1：不是一般檔案</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>無法開啟 %1：%2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>無法讀取 %1</translation>
    </message>
    <message>
        <source>the picture is too large for an object</source>
        <translation>影像過大，無法製成 DICOM 物件</translation>
    </message>
    <message>
        <source>no installation identity to make the object&apos;s UIDs with</source>
        <translation>沒有可用來產生物件 UID 的安裝識別碼</translation>
    </message>
    <message>
        <source>the order&apos;s Study Instance UID: %1</source>
        <translation>醫令的 Study Instance UID：%1</translation>
    </message>
    <message>
        <source>Patient ID: %1</source>
        <translation>病歷號：%1</translation>
    </message>
    <message>
        <source>Issuer of Patient ID: %1</source>
        <translation>病歷號核發者：%1</translation>
    </message>
    <message>
        <source>Accession Number: %1</source>
        <translation>檢查單號：%1</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>記憶體不足，無法處理該影像</translation>
    </message>
    <message>
        <source>the object holds no JPEG data</source>
        <translation>物件中沒有 JPEG 資料</translation>
    </message>
    <message>
        <source>the object holds no RGB pixels</source>
        <translation>物件中沒有 RGB 像素</translation>
    </message>
    <message>
        <source>cannot make the picture uncompressed: %1</source>
        <translation>無法解壓縮影像：%1</translation>
    </message>
    <message>
        <source>cannot make the picture JPEG: %1</source>
        <translation>無法將影像轉為 JPEG：%1</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>contains a backslash</source>
        <translation>含有反斜線</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>含有控制字元</translation>
    </message>
    <message numerus="yes">
        <source>longer than %n characters</source>
        <translation>
            <numerusform>超過 %n 個字元</numerusform>
        </translation>
    </message>
    <message>
        <source>more than three name groups</source>
        <translation>姓名群組超過三個</translation>
    </message>
    <message numerus="yes">
        <source>a name group longer than %n characters</source>
        <translation>
            <numerusform>有姓名群組超過 %n 個字元</numerusform>
        </translation>
    </message>
    <message>
        <source>more than five name components</source>
        <translation>姓名成分超過五個</translation>
    </message>
    <message>
        <source>not a person name</source>
        <translation>不是人名</translation>
    </message>
    <message>
        <source>not an AE title</source>
        <translation>不是 AE Title</translation>
    </message>
    <message>
        <source>not a code string</source>
        <translation>不是代碼字串</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>不是日期</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>不是時間</translation>
    </message>
    <message>
        <source>not a UID</source>
        <translation>不是 UID</translation>
    </message>
    <message>
        <source>an unknown VR</source>
        <translation>未知的 VR</translation>
    </message>
    <message>
        <source>the patient ID holds a control character or is not UTF-8 text</source>
        <translation>病歷號含有控制字元或不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>the last name holds a control character or is not UTF-8 text</source>
        <translation>姓氏含有控制字元或不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>the first name holds a control character or is not UTF-8 text</source>
        <translation>名字含有控制字元或不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>the phone holds a control character or is not UTF-8 text</source>
        <translation>電話含有控制字元或不是 UTF-8 文字</translation>
    </message>
    <message numerus="yes">
        <source>the patient ID is longer than %n characters</source>
        <translation>
            <numerusform>病歷號超過 %n 個字元</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the last name is longer than %n characters</source>
        <translation>
            <numerusform>姓氏超過 %n 個字元</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first name is longer than %n characters</source>
        <translation>
            <numerusform>名字超過 %n 個字元</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the phone is longer than %n characters</source>
        <translation>
            <numerusform>電話超過 %n 個字元</numerusform>
        </translation>
    </message>
    <message>
        <source>the patient ID is missing</source>
        <translation>缺少病歷號</translation>
    </message>
    <message>
        <source>the patient ID &quot;%1&quot; holds a path character (&apos;/&apos; or &apos;\&apos;)</source>
        <translation>病歷號「%1」含有路徑字元（「/」或「\」）</translation>
    </message>
    <message>
        <source>the last name is missing</source>
        <translation>缺少姓氏</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>出生日期「%1」不是日期（YYYYMMDD）</translation>
    </message>
    <message>
        <source>the birth date %1 lies in the future</source>
        <translation>出生日期 %1 是未來的日期</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O or U</source>
        <translation>性別「%1」不是 M、F、O 或 U</translation>
    </message>
    <message>
        <source>the message is too long</source>
        <translation>訊息過長</translation>
    </message>
    <message>
        <source>the message does not start with &quot;%1&quot;</source>
        <translation>訊息不是以「%1」開頭</translation>
    </message>
    <message>
        <source>text follows the end line</source>
        <translation>結束行之後還有文字</translation>
    </message>
    <message>
        <source>the message holds no PatientID</source>
        <translation>訊息中沒有 PatientID</translation>
    </message>
    <message>
        <source>line %1 holds no &apos;=&apos;</source>
        <translation>第 %1 行沒有「=」</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is repeated</source>
        <translation>鍵「%1」重複出現</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a picture</source>
        <translation>「%1」不是影像名稱</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>未知的鍵「%1」</translation>
    </message>
    <message>
        <source>the message has no end line</source>
        <translation>訊息沒有結束行</translation>
    </message>
    <message numerus="yes">
        <source>the file is larger than %n KiB</source>
        <translation>
            <numerusform>檔案大於 %n KiB</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is UTF-8 text, not ISO-8859-1</source>
        <translation>檔案是 UTF-8 文字，而非 ISO-8859-1</translation>
    </message>
    <message>
        <source>the file is not ISO-8859-1 text (byte %1 at offset %2)</source>
        <translation>檔案不是 ISO-8859-1 文字（位移 %2 處的位元組 %1）</translation>
    </message>
    <message>
        <source>the transfer file has no [PATIENT] section</source>
        <translation>傳輸檔案中沒有 [PATIENT] 區段</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD or DD.MM.YYYY)</source>
        <translation>出生日期「%1」不是日期（YYYYMMDD 或 DD.MM.YYYY）</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, W, D or U</source>
        <translation>性別「%1」不是 M、W、D 或 U</translation>
    </message>
    <message>
        <source>[MMOS] COUNT &quot;%1&quot; is not a number of pictures</source>
        <translation>[MMOS] COUNT「%1」不是影像數量</translation>
    </message>
    <message>
        <source>[%1] MMOID &quot;%2&quot; is not a picture of kavimo&apos;s</source>
        <extracomment>%1 is a section of the transfer file (&quot;MMO1&quot;), %2 the picture name given there</extracomment>
        <translation>[%1] MMOID「%2」不是 kavimo 的影像</translation>
    </message>
    <message>
        <source>[MMOPATH] PATH &quot;%1&quot; is not an absolute folder path</source>
        <translation>[MMOPATH] PATH「%1」不是資料夾的絕對路徑</translation>
    </message>
    <message>
        <source>the export names no pictures ([MMOS] COUNT)</source>
        <translation>匯出要求未指定任何影像（[MMOS] COUNT）</translation>
    </message>
    <message>
        <source>the export folder %1 does not exist</source>
        <translation>匯出資料夾 %1 不存在</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>影像 %1 不屬於該病患</translation>
    </message>
    <message>
        <source>cannot read the picture %1</source>
        <translation>無法讀取影像 %1</translation>
    </message>
    <message>
        <source>the data group &quot;%1&quot; does not exist</source>
        <translation>資料群組「%1」不存在</translation>
    </message>
    <message>
        <source>this account is not a member of the data group &quot;%1&quot;</source>
        <translation>此帳戶不是資料群組「%1」的成員</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder of this account&apos;s own for the records; give the d: drive&apos;s folder with --drive-d or KAVIMO_DRIVE_D</source>
        <translation>未設定 HOME，因此沒有此帳戶自己的紀錄資料夾；請以 --drive-d 或 KAVIMO_DRIVE_D 指定 d: 磁碟機的資料夾</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>the outcome of an event of the audit trail; keep it at most 7 characters</extracomment>
        <translation>成功</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Audit trail %1 (%2)</source>
        <translation>稽核軌跡 %1（%2）</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 個事件</translation>
    </message>
    <message numerus="yes">
        <source>%n events</source>
        <translation>
            <numerusform>%n 個事件</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event since %1</source>
        <translation>自 %1 起 1 個事件</translation>
    </message>
    <message numerus="yes">
        <source>%n events since %1</source>
        <translation>
            <numerusform>自 %1 起 %n 個事件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; 1 line skipped, not a whole event</source>
        <extracomment>%1 the events shown, such as &quot;2 events since 20240305&quot;</extracomment>
        <translation>%1；略過 1 行（非完整事件）</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n lines skipped, not a whole event</source>
        <translation>
            <numerusform>%1；略過 %n 行（非完整事件）</numerusform>
        </translation>
    </message>
    <message>
        <source>problem: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what is wrong with it</extracomment>
        <translation>問題：%1：%2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what may be wrong with it</extracomment>
        <translation>警告：%1：%2</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file cannot be read</source>
        <translation>影像 %1「%2」：無法讀取檔案</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (content: %3)</source>
        <extracomment>%3 the name of a picture format, such as PNG</extracomment>
        <translation>影像 %1「%2」：不是 JPEG 影像（內容：%3）</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (the file is empty)</source>
        <translation>影像 %1「%2」：不是 JPEG 影像（檔案是空的）</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (unknown content)</source>
        <translation>影像 %1「%2」：不是 JPEG 影像（內容不明）</translation>
    </message>
    <message>
        <source>1 patient</source>
        <translation>1 位病患</translation>
    </message>
    <message numerus="yes">
        <source>%n patients</source>
        <translation>
            <numerusform>%n 位病患</numerusform>
        </translation>
    </message>
    <message>
        <source>missing, but the record counts 1 record</source>
        <translation>遺失，但病患紀錄中計為 1 筆</translation>
    </message>
    <message numerus="yes">
        <source>missing, but the record counts %n records</source>
        <translation>
            <numerusform>遺失，但病患紀錄中計為 %n 筆</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (created empty when the patient is selected)</source>
        <translation>遺失（選擇該病患時會建立空白檔案）</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of %2-byte records</source>
        <translation>%1 位元組不是 %2 位元組紀錄的整數倍</translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1</source>
        <extracomment>%1 the count in the patient&apos;s record</extracomment>
        <translation>含有 1 筆紀錄，病患紀錄中計為 %1</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1</source>
        <translation>
            <numerusform>含有 %n 筆紀錄，病患紀錄中計為 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>含有 1 筆紀錄，病患紀錄中計為 %1（重寫時多出的部分會被捨棄）</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>
            <numerusform>含有 %n 筆紀錄，病患紀錄中計為 %1（重寫時多出的部分會被捨棄）</numerusform>
        </translation>
    </message>
    <message>
        <source>a link, not the folder of the originals</source>
        <translation>是連結，而非原始影像資料夾</translation>
    </message>
    <message>
        <source>stray directory among the originals</source>
        <translation>原始影像中多餘的資料夾</translation>
    </message>
    <message>
        <source>left over from an interrupted copy of an original</source>
        <translation>原始影像複製中斷後的殘留</translation>
    </message>
    <message>
        <source>an original without its picture</source>
        <translation>沒有對應影像的原始影像</translation>
    </message>
    <message>
        <source>damaged teeth and views (%1)</source>
        <translation>牙位與視角資料已損壞（%1）</translation>
    </message>
    <message>
        <source>teeth of %1, which is not there (Update forgets them)</source>
        <translation>%1 的牙位，但該影像不存在（「更新」會將其清除）</translation>
    </message>
    <message>
        <source>holds the record of %1</source>
        <translation>含有 %1 的紀錄</translation>
    </message>
    <message>
        <source>the record names the directory &quot;%1&quot;</source>
        <translation>紀錄指向資料夾「%1」</translation>
    </message>
    <message>
        <source>%1 bytes instead of 1032</source>
        <translation>%1 位元組，而非 1032 位元組</translation>
    </message>
    <message>
        <source>negative counts in the record</source>
        <translation>紀錄中有負數的計數</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; belongs to %3</source>
        <translation>影像 %1「%2」屬於 %3</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; lies outside the patient&apos;s directory</source>
        <translation>影像 %1「%2」位於病患資料夾之外</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file is missing</source>
        <translation>影像 %1「%2」：檔案遺失</translation>
    </message>
    <message>
        <source>stray directory in a patient directory</source>
        <translation>病患資料夾中多餘的資料夾</translation>
    </message>
    <message>
        <source>left over from an interrupted rewrite</source>
        <translation>重寫中斷後的殘留</translation>
    </message>
    <message>
        <source>picture not in the picture list (Update rebuilds it)</source>
        <translation>影像不在影像清單中（「更新」會重建清單）</translation>
    </message>
    <message>
        <source>damaged patient details (%1); the record stands in for them</source>
        <translation>病患詳細資料已損壞（%1）；改以病患紀錄代替</translation>
    </message>
    <message>
        <source>damaged worklist order (%1); its pictures go into kavimo&apos;s own study of their day</source>
        <translation>工作清單醫令已損壞（%1）；其影像將歸入 kavimo 自己當天的檢查</translation>
    </message>
    <message>
        <source>stray file</source>
        <translation>多餘的檔案</translation>
    </message>
    <message>
        <source>not in the trash index (removed after 30 days)</source>
        <translation>不在資源回收筒索引中（30 天後刪除）</translation>
    </message>
    <message>
        <source>no work directory at %1</source>
        <translation>在 %1 找不到工作資料夾</translation>
    </message>
    <message>
        <source>damaged: not an installation identity (restore it from a backup)</source>
        <translation>已損壞：不是安裝識別碼（請從備份還原）</translation>
    </message>
    <message>
        <source>a link, not a directory; not a patient</source>
        <translation>是連結，而非資料夾；不是病患</translation>
    </message>
    <message>
        <source>missing backup: no %1, so the patient is not in the patient list</source>
        <translation>缺少備份：沒有 %1，因此該病患不在病患清單中</translation>
    </message>
    <message>
        <source>incomplete backup: %1 of 1032 bytes; not in the patient list</source>
        <translation>備份不完整：僅 %1 位元組（共 1032 位元組）；不在病患清單中</translation>
    </message>
    <message>
        <source>UID is not above the one before it in list order</source>
        <translation>依清單順序，UID 未大於前一個</translation>
    </message>
    <message numerus="yes">
        <source>more than %n patients</source>
        <translation>
            <numerusform>超過 %n 位病患</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (regenerated at the next start)</source>
        <translation>遺失（下次啟動時重新產生）</translation>
    </message>
    <message>
        <source>%1 for %2 (regenerated at the next start)</source>
        <extracomment>%1 the entries of the patient list file, such as &quot;3 records&quot;; %2 the patients, such as &quot;2 patients&quot;</extracomment>
        <translation>%1 對應 %2（下次啟動時重新產生）</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 筆紀錄</translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n 筆紀錄</numerusform>
        </translation>
    </message>
    <message>
        <source>odd length: not UTF-16 text</source>
        <translation>長度為奇數：不是 UTF-16 文字</translation>
    </message>
    <message>
        <source>%1 checked: %2, %3.</source>
        <extracomment>the summary of kavimo-records check: %1 such as &quot;2 patients&quot;, %2 such as &quot;0 problems&quot;, %3 such as &quot;1 warning&quot;</extracomment>
        <translation>已檢查 %1：%2，%3。</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 個問題</translation>
    </message>
    <message numerus="yes">
        <source>%n problems</source>
        <translation>
            <numerusform>%n 個問題</numerusform>
        </translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 個警告</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n 個警告</numerusform>
        </translation>
    </message>
    <message>
        <source>not an archive address (AET@HOST:PORT): %1</source>
        <translation>不是歸檔位址（AET@HOST:PORT）：%1</translation>
    </message>
    <message>
        <source>not an AE title: %1</source>
        <translation>不是 AE Title：%1</translation>
    </message>
    <message>
        <source>Exporting %1 of %2: %3</source>
        <extracomment>the progress line of kavimo-records export-dicom: %1 of %2 pictures, %3 the picture&apos;s name</extracomment>
        <translation>正在匯出第 %1 張（共 %2 張）：%3</translation>
    </message>
    <message>
        <source>%1 of 1 picture written</source>
        <translation>已寫入 %1 張影像（共 1 張）</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures written</source>
        <translation>
            <numerusform>已寫入 %1 張影像（共 %n 張）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why it was not stored</extracomment>
        <translation>%1：失敗：%2</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why the archive cannot be reached</extracomment>
        <translation>%1：未傳送：%2</translation>
    </message>
    <message>
        <source>%1: stored as %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 the UID the archive stored it as</extracomment>
        <translation>%1：已儲存為 %2</translation>
    </message>
    <message>
        <source>%1 of 1 picture stored in %2</source>
        <extracomment>%2 the archive, such as PACS@host:104</extracomment>
        <translation>已在 %2 儲存 %1 張影像（共 1 張）</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures stored in %2</source>
        <translation>
            <numerusform>已在 %2 儲存 %1 張影像（共 %n 張）</numerusform>
        </translation>
    </message>
    <message>
        <source>Worklist of %1: 1 scheduled patient</source>
        <extracomment>%1 the day, YYYYMMDD</extracomment>
        <translation>%1 的工作清單：1 位預約病患</translation>
    </message>
    <message numerus="yes">
        <source>Worklist of %1: %n scheduled patients</source>
        <translation>
            <numerusform>%1 的工作清單：%n 位預約病患</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled time</extracomment>
        <translation>時間</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <extracomment>a column heading of kavimo-records worklist</extracomment>
        <translation>病歷號</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>a column heading of kavimo-records worklist
----------
a column heading of kavimo-records list</extracomment>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Born</source>
        <extracomment>a column heading of kavimo-records worklist: the birth date</extracomment>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>a column heading of kavimo-records worklist: the letter M, F or O
----------
a column heading of kavimo-records list</extracomment>
        <translation>性別</translation>
    </message>
    <message>
        <source>Procedure</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled procedure</extracomment>
        <translation>檢查項目</translation>
    </message>
    <message numerus="yes">
        <source>(list cut at %n entries; the archive schedules more)</source>
        <translation>
            <numerusform>（清單僅列出前 %n 個項目；歸檔中還有更多預約）</numerusform>
        </translation>
    </message>
    <message>
        <source>male</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>男</translation>
    </message>
    <message>
        <source>female</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>女</translation>
    </message>
    <message>
        <source>Work directory %1 (%2)</source>
        <translation>工作資料夾 %1（%2）</translation>
    </message>
    <message>
        <source>Hospital: %1</source>
        <translation>醫院：%1</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>（未設定）</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number in the list</extracomment>
        <translation>序號</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>年齡</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>電話</translation>
    </message>
    <message>
        <source>Diags</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of diagnoses</extracomment>
        <translation>診斷</translation>
    </message>
    <message>
        <source>Pics</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of pictures</extracomment>
        <translation>影像</translation>
    </message>
    <message>
        <source>Details:</source>
        <extracomment>a label of kavimo-records show: the details typed for the patient</extracomment>
        <translation>詳細資料：</translation>
    </message>
    <message>
        <source>none (%1 is missing)</source>
        <translation>無（缺少 %1）</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 已損壞：%2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>來自 %1</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>其他</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>the patient&apos;s sex: not known</extracomment>
        <translation>未知</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>全名：</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>電話：</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>性別：</translation>
    </message>
    <message>
        <source>Patient ID:</source>
        <translation>病歷號：</translation>
    </message>
    <message>
        <source>Issuer:</source>
        <extracomment>the issuer of the patient&apos;s outside Patient ID</extracomment>
        <translation>核發者：</translation>
    </message>
    <message>
        <source>Worklist name:</source>
        <extracomment>the patient&apos;s name as the worklist wrote it</extracomment>
        <translation>工作清單姓名：</translation>
    </message>
    <message>
        <source>no patient %1 in %2</source>
        <translation>%2 中沒有病患 %1</translation>
    </message>
    <message>
        <source>Patient %1 of %2</source>
        <translation>第 %1 位病患，共 %2 位</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>年齡：</translation>
    </message>
    <message>
        <source>Directory:</source>
        <extracomment>a label of kavimo-records show: the patient&apos;s folder</extracomment>
        <translation>資料夾：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>描述：</translation>
    </message>
    <message>
        <source>%1 (%2 holds %3)</source>
        <extracomment>%1 the count in the patient&apos;s record, %2 a list file, %3 the entries the file holds</extracomment>
        <translation>%1（%2 中有 %3 筆）</translation>
    </message>
    <message>
        <source>Diagnoses:</source>
        <translation>診斷：</translation>
    </message>
    <message>
        <source>Teeth:</source>
        <translation>牙位：</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>影像：</translation>
    </message>
    <message>
        <source>[missing]</source>
        <extracomment>after a picture of kavimo-records show whose file is not there</extracomment>
        <translation>[遺失]</translation>
    </message>
    <message>
        <source>--drive-d needs a directory</source>
        <translation>--drive-d 需要指定資料夾</translation>
    </message>
    <message>
        <source>--data-group needs a group</source>
        <translation>--data-group 需要指定群組</translation>
    </message>
    <message>
        <source>--pacs-issuer needs a text</source>
        <translation>--pacs-issuer 需要指定文字</translation>
    </message>
    <message>
        <source>--pacs-tls needs on or off</source>
        <translation>--pacs-tls 須為 on 或 off</translation>
    </message>
    <message>
        <source>--teeth needs FDI numbers such as 11,21</source>
        <translation>--teeth 需要 FDI 編號，例如 11,21</translation>
    </message>
    <message>
        <source>--view needs a view</source>
        <translation>--view 需要指定視角</translation>
    </message>
    <message>
        <source>teeth %1</source>
        <extracomment>under a picture: %1 its teeth, FDI numbers such as 11,21</extracomment>
        <translation>牙位 %1</translation>
    </message>
    <message>
        <source>view %1</source>
        <extracomment>under a picture: %1 its view, a keyword such as frontal</extracomment>
        <translation>視角 %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view (%2)</source>
        <extracomment>%2 the view keywords, such as &quot;frontal, left-buccal, ...&quot;</extracomment>
        <translation>「%1」不是視角（%2）</translation>
    </message>
    <message>
        <source>%1 has no picture %2 in its directory (see show %1)</source>
        <extracomment>%1 the patient&apos;s UID, %2 the picture asked for; &quot;show&quot; is a command name</extracomment>
        <translation>%1 的資料夾中沒有影像 %2（請見 show %1）</translation>
    </message>
    <message>
        <source>cannot be tagged</source>
        <translation>無法標示</translation>
    </message>
    <message>
        <source>the audit trail was not written: %1</source>
        <translation>稽核軌跡未寫入：%1</translation>
    </message>
    <message>
        <source>no teeth, no view</source>
        <translation>無牙位，無視角</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 a command-line option such as --name</extracomment>
        <translation>%1 需要一個值</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>%1 what was given on the command line</extracomment>
        <translation>未知的選項：%1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>多餘的引數：%1</translation>
    </message>
</context>
</TS>
