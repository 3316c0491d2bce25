<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>kavimo</name>
    <message>
        <source>The demo cannot start: %1.</source>
        <translation>演示无法启动：%1。</translation>
    </message>
    <message>
        <source>Oral image acquisition system</source>
        <translation>口腔图像采集系统</translation>
    </message>
    <message>
        <source>the running kavimo did not open patient %1: %2</source>
        <translation>正在运行的 kavimo 未打开患者 %1：%2</translation>
    </message>
    <message>
        <source>the patient was not opened: %1</source>
        <translation>未打开患者：%1</translation>
    </message>
    <message>
        <source>kavimo cannot start: %1.</source>
        <translation>kavimo 无法启动：%1。</translation>
    </message>
    <message>
        <source>the pictures were not exported: %1</source>
        <translation>图片未导出：%1</translation>
    </message>
    <message>
        <source>the pictures were not shown: %1</source>
        <translation>图片未显示：%1</translation>
    </message>
    <message>
        <source>the camera link cannot open its sockets on 127.0.0.1</source>
        <translation>相机连接无法在 127.0.0.1 上打开套接字</translation>
    </message>
    <message>
        <source>The patient %1 of the practice-management system could not be opened: %2.</source>
        <translation>无法打开诊所管理系统的患者 %1：%2。</translation>
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
        <translation>编号：</translation>
    </message>
    <message>
        <source>Name：</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>Sex：</source>
        <translation>性别：</translation>
    </message>
    <message>
        <source>Age：</source>
        <translation>年龄：</translation>
    </message>
    <message>
        <source>Phone：</source>
        <translation>电话：</translation>
    </message>
    <message>
        <source>ID：UID%1</source>
        <translation>编号：UID%1</translation>
    </message>
    <message>
        <source>Age：%1</source>
        <translation>年龄：%1</translation>
    </message>
    <message>
        <source>Age：%1 (born %2)</source>
        <translation>年龄：%1（出生于 %2）</translation>
    </message>
    <message>
        <source>The diagnosis has not been saved. Save it?</source>
        <translation>诊断尚未保存。是否保存？</translation>
    </message>
    <message>
        <source>The strokes on the picture have not been saved. Save them?</source>
        <translation>图片上的标注尚未保存。是否保存？</translation>
    </message>
    <message>
        <source>Pickup</source>
        <translation>挑选</translation>
    </message>
    <message>
        <source>WIFI connected！</source>
        <translation>WIFI 已连接！</translation>
    </message>
    <message>
        <source>WIFI disconnect！</source>
        <translation>WIFI 已断开！</translation>
    </message>
    <message>
        <source>Settings(&amp;S)...</source>
        <translation>设置(&amp;S)...</translation>
    </message>
    <message>
        <source>关于 kavimo(&amp;A)...</source>
        <translation>关于 kavimo(&amp;A)...</translation>
    </message>
    <message>
        <source>Export as DICOM…</source>
        <translation>导出为 DICOM…</translation>
    </message>
    <message>
        <source>Send to PACS</source>
        <translation>发送到 PACS</translation>
    </message>
    <message>
        <source>Revert to original</source>
        <translation>恢复为原图</translation>
    </message>
    <message>
        <source>Restore deleted pictures…</source>
        <translation>恢复已删除的图片…</translation>
    </message>
    <message>
        <source>Teeth and view…</source>
        <translation>牙位和视图…</translation>
    </message>
    <message>
        <source>Show pictures of a tooth or view…</source>
        <translation>显示某颗牙或某视图的图片…</translation>
    </message>
    <message>
        <source>Show all pictures</source>
        <translation>显示全部图片</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>对比</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp)</source>
        <translation>图片 (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <source>Please select output dir：</source>
        <translation>请选择输出文件夹：</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>不是图片</translation>
    </message>
    <message>
        <source>a %1 picture that cannot be read: %2</source>
        <translation>无法读取的 %1 图片：%2</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>冻结</translation>
    </message>
    <message>
        <source>Save Pic</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>Fail to Save！</source>
        <translation>保存失败！</translation>
    </message>
    <message>
        <source>Fail to Save！
%1</source>
        <translation>保存失败！
%1</translation>
    </message>
    <message>
        <source>Fail to save picture！</source>
        <translation>图片保存失败！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>the picture could not be read, so it is not written over</source>
        <translation>无法读取该图片，因此未覆盖</translation>
    </message>
    <message>
        <source>not a picture in the patient&apos;s directory</source>
        <translation>不是该患者目录中的图片</translation>
    </message>
    <message>
        <source>its original cannot be kept: </source>
        <translation>无法保留其原图：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Fail to Save！
%1: %2</source>
        <translation>保存失败！
%1：%2</translation>
    </message>
    <message>
        <source>Revert %1 to the picture as it was taken?
The strokes saved on it are lost.</source>
        <translation>将 %1 恢复为拍摄时的图片？
其上保存的标注将丢失。</translation>
    </message>
    <message>
        <source>Fail to revert！
%1: %2</source>
        <translation>恢复失败！
%1：%2</translation>
    </message>
    <message>
        <source>Restore deleted pictures</source>
        <translation>恢复已删除的图片</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>no free picture name</source>
        <translation>没有可用的图片名称</translation>
    </message>
    <message>
        <source>Fail to import:
%1</source>
        <translation>导入失败：
%1</translation>
    </message>
    <message>
        <source>picture output</source>
        <translation>图片输出</translation>
    </message>
    <message>
        <source>This patient has no pictures to export.</source>
        <translation>该患者没有可导出的图片。</translation>
    </message>
    <message>
        <source>No picture is picked. Export the patient&apos;s picture?</source>
        <translation>未挑选图片。是否导出该患者的图片？</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose another one.</source>
        <translation>文件夹 %1 不存在。请另选一个。</translation>
    </message>
    <message>
        <source>picture %1: it is no longer in the patient&apos;s list</source>
        <translation>图片 %1：已不在该患者的列表中</translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation>%1：不是文件名</translation>
    </message>
    <message>
        <source>%1

Fail to export:
%2</source>
        <translation>%1

导出失败：
%2</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>确定吗？</translation>
    </message>
    <message>
        <source>

Delete the picture of %1-%2-%3 %4:%5:%6?
It goes to the trash, from which it can be restored for %7 days.</source>
        <translation>

删除 %1-%2-%3 %4:%5:%6 的图片？
图片将移至回收站，%7 天内可以恢复。</translation>
    </message>
    <message>
        <source>Picture delete</source>
        <translation>删除图片</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>放下</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分屏</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单屏</translation>
    </message>
    <message>
        <source>DICOMDIR: %1</source>
        <translation>DICOMDIR：%1</translation>
    </message>
    <message>
        <source>%1 of %2 to %3%4%5</source>
        <translation>%1 / %2 到 %3%4%5</translation>
    </message>
    <message>
        <source>; cancelled</source>
        <translation>；已取消</translation>
    </message>
    <message>
        <source>; failed: </source>
        <translation>；失败：</translation>
    </message>
    <message>
        <source>The patient has no pictures to export.</source>
        <translation>该患者没有可导出的图片。</translation>
    </message>
    <message>
        <source>Export as DICOM</source>
        <translation>导出为 DICOM</translation>
    </message>
    <message>
        <source>Invalid dir</source>
        <translation>无效的文件夹</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The patient has no pictures to send.</source>
        <translation>该患者没有可发送的图片。</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>采样</translation>
    </message>
    <message>
        <source>The camera&apos;s video cannot be received: UDP port %1 (%2) is not available.</source>
        <translation>无法接收相机的视频：UDP 端口 %1（%2）不可用。</translation>
    </message>
    <message>
        <source>Restore the unsaved work of %1 from %2?</source>
        <translation>恢复 %1 在 %2 未保存的工作？</translation>
    </message>
    <message>
        <source>Teeth </source>
        <translation>牙位 </translation>
    </message>
    <message>
        <source>The teeth of %1 were not given to %2:
%3</source>
        <translation>%1 的牙位未能赋予 %2：
%3</translation>
    </message>
    <message>
        <source>The teeth were not stored:
%1</source>
        <translation>牙位未保存：
%1</translation>
    </message>
    <message>
        <source>Show pictures of</source>
        <translation>显示图片</translation>
    </message>
    <message>
        <source>A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Empty shows every picture.</source>
        <translation>一颗牙（%1）或一个视图（frontal 正面、left buccal 左颊侧、right buccal 右颊侧、upper occlusal 上颌咬合面、lower occlusal 下颌咬合面、close-up 特写、other 其他）。
留空显示全部图片。</translation>
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
        <translation>“%1”既不是牙位也不是视图。</translation>
    </message>
    <message>
        <source>Show a picture, or pick two, to compare.</source>
        <translation>请显示一张图片或挑选两张图片进行对比。</translation>
    </message>
    <message>
        <source>The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.</source>
        <translation>显示的图片还没有牙位：请标注其牙位，或挑选两张图片。</translation>
    </message>
    <message>
        <source>No earlier picture shows the same teeth.</source>
        <translation>没有更早的图片显示相同的牙位。</translation>
    </message>
    <message>
        <source>kavimo is starting or closing</source>
        <translation>kavimo 正在启动或关闭</translation>
    </message>
    <message>
        <source>a dialog is open in kavimo; close it and try again</source>
        <translation>kavimo 中有对话框打开；请关闭后重试</translation>
    </message>
    <message>
        <source>the user stayed with the patient on screen to keep unsaved work</source>
        <translation>用户为保留未保存的工作而停留在当前患者</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>无法创建 %1</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>the picture with the strokes cannot be encoded</source>
        <translation>无法编码带标注的图片</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>无法在 %1 中写入：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Turn a quarter to the left (Shift+R)</source>
        <translation>向左旋转 90°（Shift+R）</translation>
    </message>
    <message>
        <source>Turn a quarter to the right (R)</source>
        <translation>向右旋转 90°（R）</translation>
    </message>
    <message>
        <source>+ / − zoom   0 as it came   R turn   arrows move   Esc close</source>
        <translation>+ / − 缩放   0 原始大小   R 旋转   方向键 移动   Esc 关闭</translation>
    </message>
    <message>
        <source>not on the d: drive</source>
        <translation>不在 d: 盘上</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>无法读取该图片。</translation>
    </message>
    <message>
        <source>Wheel or + and − zoom both, dragging moves both; double-click fits them.</source>
        <translation>滚轮或 + 和 − 同时缩放两张图，拖动同时移动两张图；双击适应窗口。</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>没有可写入的图片</translation>
    </message>
    <message>
        <source>cannot encode the picture as %1: %2</source>
        <translation>无法将图片编码为 %1：%2</translation>
    </message>
    <message>
        <source>it is a link to a file outside the work directory</source>
        <translation>它是指向工作目录之外文件的链接</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>the path lies outside the d: drive</source>
        <translation>该路径位于 d: 盘之外</translation>
    </message>
    <message>
        <source>Teeth and view</source>
        <translation>牙位和视图</translation>
    </message>
    <message>
        <source>Which teeth does %1 show?</source>
        <translation>%1 显示的是哪些牙？</translation>
    </message>
    <message>
        <source>FDI %1</source>
        <translation>FDI %1</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>视图：</translation>
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
        <translation>未选择牙位。</translation>
    </message>
    <message>
        <source>Chosen: </source>
        <translation>已选择：</translation>
    </message>
    <message>
        <source>Print-diagnose</source>
        <translation>打印诊断</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>无法打印报告。</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>另存为 PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>无法将报告保存为 %1。</translation>
    </message>
    <message>
        <source>Sex：male</source>
        <translation>性别：男</translation>
    </message>
    <message>
        <source>Sex：female</source>
        <translation>性别：女</translation>
    </message>
    <message>
        <source>Time：</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Resualt</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Born：</source>
        <translation>出生：</translation>
    </message>
    <message>
        <source>Disease：</source>
        <translation>诊断：</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Pictures：</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>Doctor：</source>
        <translation>医生：</translation>
    </message>
    <message>
        <source>The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo&apos;s folder not writable. Free some space or ask your technician (%1).</source>
        <translation>图片无法加入归档（PACS）队列：磁盘可能已满，或 kavimo 的文件夹不可写。请释放空间或咨询技术人员（%1）。</translation>
    </message>
    <message>
        <source>Sending %1 of %2 to the PACS…</source>
        <translation>正在向 PACS 发送第 %1 张，共 %2 张…</translation>
    </message>
    <message>
        <source>PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive&apos;s address in Settings.</source>
        <translation>无法连接 PACS：%1 张等待中，连接后发送。请检查网络和设置中的归档地址。</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).</source>
        <translation>已向 PACS 发送 %2 张中的 %1 张；归档拒绝了 %3 张。请咨询其管理员（见日志）。</translation>
    </message>
    <message>
        <source>PACS: %1</source>
        <translation>PACS：%1</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS</source>
        <translation>已向 PACS 发送 %2 张中的 %1 张</translation>
    </message>
    <message>
        <source>No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click the main window and choose &quot;Settings...&quot;, then restart kavimo.</source>
        <translation>尚未设置归档（PACS）。请在设置对话框中输入其 AE 标题、主机和端口：右键单击主窗口并选择“设置...”，然后重新启动 kavimo。</translation>
    </message>
    <message>
        <source>PACS (the clinic&apos;s archive)</source>
        <translation>PACS（诊所的归档）</translation>
    </message>
    <message>
        <source>none: no archive</source>
        <translation>无：不使用归档</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>测试连接</translation>
    </message>
    <message>
        <source>Give the archive&apos;s AE title, host and port first.</source>
        <translation>请先填写归档的 AE 标题、主机和端口。</translation>
    </message>
    <message>
        <source>Connecting to %1%2…</source>
        <translation>正在连接 %1%2…</translation>
    </message>
    <message>
        <source> over TLS</source>
        <translation>（通过 TLS）</translation>
    </message>
    <message>
        <source>%1 answers.</source>
        <translation>%1 已应答。</translation>
    </message>
    <message>
        <source>Patients scheduled for %1 (only the first %2: the PACS sent more):</source>
        <translation>%1 预约的患者（仅前 %2 位：PACS 发送了更多）：</translation>
    </message>
    <message>
        <source>The worklist schedules no patient for %1.</source>
        <translation>工作列表中 %1 没有预约的患者。</translation>
    </message>
    <message>
        <source>Patients scheduled for %1:</source>
        <translation>%1 预约的患者：</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <translation>患者 ID</translation>
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
        <translation>性别</translation>
    </message>
    <message>
        <source>Accession</source>
        <translation>检查号</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>检查项目</translation>
    </message>
    <message>
        <source>Not taken as the PACS sent it:
</source>
        <translation>未按 PACS 发送的内容采用：
</translation>
    </message>
    <message>
        <source>
… and %1 more</source>
        <translation>
… 以及另外 %1 项</translation>
    </message>
    <message>
        <source>Another day:</source>
        <translation>其他日期：</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Asking the PACS for the worklist of %1…</source>
        <translation>正在向 PACS 查询 %1 的工作列表…</translation>
    </message>
    <message>
        <source>Cannot read the worklist: %1</source>
        <translation>无法读取工作列表：%1</translation>
    </message>
    <message>
        <source>User Management</source>
        <translation>用户管理</translation>
    </message>
    <message>
        <source>User List：</source>
        <translation>用户列表：</translation>
    </message>
    <message>
        <source>Picture List：</source>
        <translation>图片列表：</translation>
    </message>
    <message>
        <source>Preview：</source>
        <translation>预览：</translation>
    </message>
    <message>
        <source>sex：</source>
        <translation>性别：</translation>
    </message>
    <message>
        <source>Hospital：</source>
        <translation>医院：</translation>
    </message>
    <message>
        <source>Description：</source>
        <translation>描述：</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>用户 ID</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>年龄</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>Disease</source>
        <translation>诊断</translation>
    </message>
    <message>
        <source>Click a column&apos;s title to sort by it</source>
        <translation>单击列标题可按该列排序</translation>
    </message>
    <message>
        <source>Search: part of the name, ID or phone</source>
        <translation>搜索：姓名、ID 或电话的一部分</translation>
    </message>
    <message>
        <source>YYYYMMDD</source>
        <translation>YYYYMMDD</translation>
    </message>
    <message>
        <source>Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it</source>
        <translation>出生日期，YYYYMMDD 或 YYYY-MM-DD；年龄随之计算</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>查询</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Worklist</source>
        <translation>工作列表</translation>
    </message>
    <message>
        <source>Restore deleted patients…</source>
        <translation>恢复已删除的患者…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <source>No patient matches &quot;%1&quot;.</source>
        <translation>没有与“%1”匹配的患者。</translation>
    </message>
    <message>
        <source>Please enter name！</source>
        <translation>请输入姓名！</translation>
    </message>
    <message>
        <source>Please enter the birth date as YYYY-MM-DD, not after today！</source>
        <translation>请按 YYYY-MM-DD 输入出生日期，且不晚于今天！</translation>
    </message>
    <message>
        <source>Please enter age！</source>
        <translation>请输入年龄！</translation>
    </message>
    <message>
        <source>Please enter phone！</source>
        <translation>请输入电话！</translation>
    </message>
    <message>
        <source>Please choose sex (Female, Male, Other or Unknown)！</source>
        <translation>请选择性别（女、男、其他或未知）！</translation>
    </message>
    <message>
        <source>The patient&apos;s record was written, but the name, phone and birth date as typed were not kept: %1</source>
        <translation>患者记录已写入，但输入的姓名、电话和出生日期未能保留：%1</translation>
    </message>
    <message>
        <source>The patient was created, but the worklist&apos;s order was not kept, so the pictures will not be attached to it in the archive: %1</source>
        <translation>患者已创建，但工作列表的医嘱未能保留，因此图片在归档中不会关联到该医嘱：%1</translation>
    </message>
    <message>
        <source>A patient was created less than a second ago; please press Create again！</source>
        <translation>不到一秒前刚创建过患者；请再次点击新建！</translation>
    </message>
    <message>
        <source>Are you sure delete？</source>
        <translation>确定删除吗？</translation>
    </message>
    <message>
        <source>Delete the patient %1 (%2) and %3?</source>
        <translation>删除患者 %1（%2）及其 %3？</translation>
    </message>
    <message>
        <source>There are no deleted patients to restore.</source>
        <translation>没有可恢复的已删除患者。</translation>
    </message>
    <message>
        <source>Restore deleted patients</source>
        <translation>恢复已删除的患者</translation>
    </message>
    <message>
        <source>Please enter hospital name！</source>
        <translation>请输入医院名称！</translation>
    </message>
    <message>
        <source>Set hospital successfull！</source>
        <translation>医院设置成功！</translation>
    </message>
    <message>
        <source>there is no runtime directory (XDG_RUNTIME_DIR)</source>
        <translation>没有运行时目录（XDG_RUNTIME_DIR）</translation>
    </message>
    <message>
        <source>the running kavimo did not answer</source>
        <translation>正在运行的 kavimo 没有应答</translation>
    </message>
    <message>
        <source>the transfer file was not read: %1</source>
        <translation>未读取传输文件：%1</translation>
    </message>
    <message>
        <source>the transfer file&apos;s request was refused: %1</source>
        <translation>传输文件的请求被拒绝：%1</translation>
    </message>
    <message>
        <source>kavimo has no patient with the ID %1</source>
        <translation>kavimo 中没有 ID 为 %1 的患者</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>图片 %1 不属于该患者</translation>
    </message>
    <message>
        <source>the answer could not be written into the transfer file: %1</source>
        <translation>无法将应答写入传输文件：%1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>The d: drive folder</source>
        <translation>d: 盘文件夹</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>PEM 文件 (*.pem *.crt *.key);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>设置文件：%1</translation>
    </message>
    <message>
        <source>Changes take effect the next time kavimo starts. An empty field uses the default shown in it. A value overridden by a command-line option or an environment variable is used in the runs without it.</source>
        <translation>更改在下次启动 kavimo 时生效。空白字段使用其中显示的默认值。被命令行选项或环境变量覆盖的值，将在不带该选项的运行中使用。</translation>
    </message>
    <message>
        <source>none; e.g. F8</source>
        <translation>无；例如 F8</translation>
    </message>
    <message>
        <source>not a key (for example F8, Space or Pause)</source>
        <translation>不是按键（例如 F8、Space 或 Pause）</translation>
    </message>
    <message>
        <source>e.g. de, zh_CN</source>
        <translation>例如 de、zh_CN</translation>
    </message>
    <message>
        <source>not a language (for example de, fr or zh_CN)</source>
        <translation>不是语言（例如 de、fr 或 zh_CN）</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>Overridden by %1 for this run</source>
        <translation>本次运行被 %1 覆盖</translation>
    </message>
    <message>
        <source>The settings cannot be written to %1.</source>
        <translation>无法将设置写入 %1。</translation>
    </message>
    <message>
        <source>Tooth numbers (fdi, universal or palmer; at once)</source>
        <translation>牙位编号（fdi、universal 或 palmer；立即生效）</translation>
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
        <translation>每次拍摄后询问牙位，立即生效（相机的拍摄键确认）</translation>
    </message>
    <message>
        <source>Teeth</source>
        <translation>牙位</translation>
    </message>
    <message>
        <source>关于 kavimo</source>
        <translation>关于 kavimo</translation>
    </message>
    <message>
        <source>kavimo, version %1</source>
        <translation>kavimo，版本 %1</translation>
    </message>
    <message>
        <source>Oral image acquisition system for WiFi intraoral cameras</source>
        <translation>适用于 WiFi 口内相机的口腔图像采集系统</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>日志：%1</translation>
    </message>
    <message>
        <source>User guide (F1)</source>
        <translation>用户指南（F1）</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Picture of %1   (deleted %2)</source>
        <translation>%1 的图片   （删除于 %2）</translation>
    </message>
    <message>
        <source>The user guide is not installed. It was looked for in:
%1</source>
        <translation>用户指南未安装。查找位置：
%1</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>kavimo user guide</source>
        <translation>kavimo 用户指南</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Choose, create or find a patient</source>
        <translation>选择、新建或查找患者</translation>
    </message>
    <message>
        <source>Start or stop the camera&apos;s live picture</source>
        <translation>开始或停止相机的实时画面</translation>
    </message>
    <message>
        <source>Freeze the live picture; press again (Save Pic) to store it</source>
        <translation>冻结实时画面；再按一次（保存图片）即可保存</translation>
    </message>
    <message>
        <source>Add picture files to this patient</source>
        <translation>为该患者添加图片文件</translation>
    </message>
    <message>
        <source>Copy the picked pictures (or all of them) to a folder</source>
        <translation>将挑选的图片（或全部图片）复制到文件夹</translation>
    </message>
    <message>
        <source>Pick up to four pictures for the report and the export</source>
        <translation>为报告和导出挑选最多四张图片</translation>
    </message>
    <message>
        <source>Preview, print or save the report as PDF</source>
        <translation>预览、打印报告或将其保存为 PDF</translation>
    </message>
    <message>
        <source>Store the drawing on the shown picture</source>
        <translation>保存显示图片上的标注</translation>
    </message>
    <message>
        <source>Store the shown picture with its drawing as a new picture</source>
        <translation>将显示的图片连同标注另存为新图片</translation>
    </message>
    <message>
        <source>Take back the last stroke</source>
        <translation>撤销最后一笔</translation>
    </message>
    <message>
        <source>Show four pictures at once, or one again</source>
        <translation>同时显示四张图片，或恢复显示一张</translation>
    </message>
    <message>
        <source>Delete the shown picture (it goes to the trash)</source>
        <translation>删除显示的图片（移至回收站）</translation>
    </message>
    <message>
        <source>Store the diagnosis</source>
        <translation>保存诊断</translation>
    </message>
    <message>
        <source>Scroll the thumbnails up</source>
        <translation>向上滚动缩略图</translation>
    </message>
    <message>
        <source>Scroll the thumbnails down</source>
        <translation>向下滚动缩略图</translation>
    </message>
    <message>
        <source>Close kavimo (unsaved work is asked about first)</source>
        <translation>关闭 kavimo（会先询问未保存的工作）</translation>
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
        <translation>细</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Num：</source>
        <translation>编号：</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>PACS</source>
        <translation>PACS</translation>
    </message>
    <message>
        <source>Archive AE title</source>
        <translation>归档 AE 标题</translation>
    </message>
    <message>
        <source>Archive host</source>
        <translation>归档主机</translation>
    </message>
    <message>
        <source>Archive DICOM port</source>
        <translation>归档 DICOM 端口</translation>
    </message>
    <message>
        <source>kavimo&apos;s AE title</source>
        <translation>kavimo 的 AE 标题</translation>
    </message>
    <message>
        <source>Send every stored picture (on/off)</source>
        <translation>发送每张保存的图片（on/off）</translation>
    </message>
    <message>
        <source>Worklist modality</source>
        <translation>工作列表设备类型</translation>
    </message>
    <message>
        <source>Worklist of this station or all (this/all)</source>
        <translation>本工作站或全部的工作列表（this/all）</translation>
    </message>
    <message>
        <source>Connect over TLS (the archive must show a certificate the CA signed)</source>
        <translation>通过 TLS 连接（归档必须出示由该 CA 签发的证书）</translation>
    </message>
    <message>
        <source>CA certificates to trust (PEM)</source>
        <translation>信任的 CA 证书（PEM）</translation>
    </message>
    <message>
        <source>required with TLS</source>
        <translation>使用 TLS 时必填</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate (PEM)</source>
        <translation>kavimo 的证书（PEM）</translation>
    </message>
    <message>
        <source>none: only if the archive asks for one</source>
        <translation>无：仅当归档要求时需要</translation>
    </message>
    <message>
        <source>kavimo&apos;s private key (PEM)</source>
        <translation>kavimo 的私钥（PEM）</translation>
    </message>
    <message>
        <source>none: goes with the certificate</source>
        <translation>无：与证书配套</translation>
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
        <source>Pictures and records</source>
        <translation>图片和记录</translation>
    </message>
    <message>
        <source>d: drive folder</source>
        <translation>d: 盘文件夹</translation>
    </message>
    <message>
        <source>Stream camera</source>
        <translation>视频相机</translation>
    </message>
    <message>
        <source>Camera address</source>
        <translation>相机地址</translation>
    </message>
    <message>
        <source>Camera command port</source>
        <translation>相机命令端口</translation>
    </message>
    <message>
        <source>Local command port (0: any)</source>
        <translation>本地命令端口（0：任意）</translation>
    </message>
    <message>
        <source>Local video port</source>
        <translation>本地视频端口</translation>
    </message>
    <message>
        <source>Picture camera</source>
        <translation>拍照相机</translation>
    </message>
    <message>
        <source>Local reply port (0: any)</source>
        <translation>本地应答端口（0：任意）</translation>
    </message>
    <message>
        <source>Camera picture port (TCP)</source>
        <translation>相机图片端口（TCP）</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Local address (0.0.0.0: all)</source>
        <translation>本地地址（0.0.0.0：全部）</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Doctor&apos;s name</source>
        <translation>医生姓名</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Foot switch key (does Freeze)</source>
        <translation>脚踏开关按键（执行冻结）</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Language (empty: the desktop&apos;s)</source>
        <translation>语言（留空：跟随桌面）</translation>
    </message>
    <message>
        <source>Faile to create WorkDir!</source>
        <translation>创建工作目录失败！</translation>
    </message>
    <message>
        <source>Create WorkDir successfull!</source>
        <translation>工作目录创建成功！</translation>
    </message>
    <message>
        <source>Faile to  create user dir！</source>
        <translation>创建用户目录失败！</translation>
    </message>
    <message>
        <source>User does not exist！</source>
        <translation>用户不存在！</translation>
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
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message numerus="yes">
        <source>No picture is picked. Export all %n pictures?</source>
        <translation>
            <numerusform>未挑选图片。是否导出全部 %n 张图片？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures exported to %1.</source>
        <translation>
            <numerusform>已将 %n 张图片导出到 %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n DICOM files written to %1, with a DICOMDIR</source>
        <translation>
            <numerusform>已将 %n 个 DICOM 文件写入 %1，附带 DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Export cancelled: %1 of %n DICOM files written to %2, with a DICOMDIR</source>
        <translation>
            <numerusform>导出已取消：已将 %n 个中的 %1 个 DICOM 文件写入 %2，附带 DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n DICOM files written; failed:
%2</source>
        <translation>
            <numerusform>已写入 %n 个中的 %1 个 DICOM 文件；失败：
%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n pictures as DICOM to
%1</source>
        <translation>
            <numerusform>正在将 %n 张图片以 DICOM 格式导出到
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n 张图片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The patient list is full: at most %n patients can be kept！</source>
        <translation>
            <numerusform>患者列表已满：最多可保存 %n 位患者！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n patients and their %1?</source>
        <translation>
            <numerusform>删除 %n 位患者及其 %1？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %n days.</source>
        <translation>
            <numerusform>

%1
它们将移至回收站，%n 天内可通过“恢复已删除的患者…”恢复。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted items are kept for %n days. Choose what to restore:</source>
        <translation>
            <numerusform>已删除的项目保留 %n 天。请选择要恢复的内容：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1  %2, %n pictures   (deleted %3)</source>
        <translation>
            <numerusform>%1  %2，%n 张图片   （删除于 %3）</numerusform>
        </translation>
    </message>
    <message>
        <source>Try &apos;kavimo --help&apos;.</source>
        <translation>请试用“kavimo --help”。</translation>
    </message>
    <message>
        <source>Host directory that stands for the d: drive (default ~/.local/share/kavimo/d).</source>
        <translation>代表 d: 盘的主机目录（默认 ~/.local/share/kavimo/d）。</translation>
    </message>
    <message>
        <source>Group that shares the records: folders 0770, files 0660 (default: none, 0700 and 0600).</source>
        <translation>共享记录的用户组：文件夹 0770，文件 0660（默认：无，0700 和 0600）。</translation>
    </message>
    <message>
        <source>Address of the stream camera (default 172.16.10.1).</source>
        <translation>流式摄像头的地址（默认 172.16.10.1）。</translation>
    </message>
    <message>
        <source>The stream camera&apos;s command port (default 7777).</source>
        <translation>流式摄像头的命令端口（默认 7777）。</translation>
    </message>
    <message>
        <source>Local port for the stream camera&apos;s replies, heartbeats and keys (default 7777; 0: any).</source>
        <translation>接收流式摄像头应答、心跳和按键的本地端口（默认 7777；0：任意）。</translation>
    </message>
    <message>
        <source>Local port the live video arrives on (default 8888).</source>
        <translation>接收实时视频的本地端口（默认 8888）。</translation>
    </message>
    <message>
        <source>Address of the picture camera (default 192.168.239.1).</source>
        <translation>图片摄像头的地址（默认 192.168.239.1）。</translation>
    </message>
    <message>
        <source>The picture camera&apos;s command port (default 6000).</source>
        <translation>图片摄像头的命令端口（默认 6000）。</translation>
    </message>
    <message>
        <source>Local port for the picture camera&apos;s replies (default 5000; 0: any).</source>
        <translation>接收图片摄像头应答的本地端口（默认 5000；0：任意）。</translation>
    </message>
    <message>
        <source>The picture camera&apos;s TCP picture port (default 5000).</source>
        <translation>图片摄像头的 TCP 图片端口（默认 5000）。</translation>
    </message>
    <message>
        <source>Local address the camera sockets bind to (default 0.0.0.0: all).</source>
        <translation>摄像头套接字绑定的本地地址（默认 0.0.0.0：全部）。</translation>
    </message>
    <message>
        <source>The clinic&apos;s archive (PACS): its AE title (default: none, no archive).</source>
        <translation>诊所的影像归档（PACS）：其 AE 标题（默认：无，不使用归档）。</translation>
    </message>
    <message>
        <source>The archive&apos;s host name or address.</source>
        <translation>归档的主机名或地址。</translation>
    </message>
    <message>
        <source>The archive&apos;s DICOM port.</source>
        <translation>归档的 DICOM 端口。</translation>
    </message>
    <message>
        <source>kavimo&apos;s own AE title towards the archive (default KAVIMO).</source>
        <translation>kavimo 面向归档的自身 AE 标题（默认 KAVIMO）。</translation>
    </message>
    <message>
        <source>Issuer of Patient ID sent with kavimo&apos;s own Patient IDs (default KAVIMO- and the first 8 hex digits of the installation&apos;s identity).</source>
        <translation>随 kavimo 自身患者 ID 发送的患者 ID 签发者（默认 KAVIMO- 加本安装标识的前 8 位十六进制数字）。</translation>
    </message>
    <message>
        <source>The modality whose worklist entries are listed (default XC, photographs).</source>
        <translation>列出其工作列表条目的检查类型（默认 XC，照片）。</translation>
    </message>
    <message>
        <source>Lists the worklist entries scheduled for kavimo&apos;s own AE title (this, the default) or for every station (all).</source>
        <translation>列出为 kavimo 自身 AE 标题安排的工作列表条目（this，默认）或所有工作站的条目（all）。</translation>
    </message>
    <message>
        <source>Sends every stored picture to the archive automatically (default off).</source>
        <translation>自动将每张保存的图片发送到归档（默认 off）。</translation>
    </message>
    <message>
        <source>Talks to the archive over TLS; its certificate must chain to --pacs-tls-ca and name its host (default off: plain TCP).</source>
        <translation>通过 TLS 与归档通信；其证书必须链接到 --pacs-tls-ca 并包含其主机名（默认 off：普通 TCP）。</translation>
    </message>
    <message>
        <source>The CA certificates (PEM) to check the archive&apos;s certificate with.</source>
        <translation>用于校验归档证书的 CA 证书（PEM）。</translation>
    </message>
    <message>
        <source>kavimo&apos;s own certificate (PEM), for archives that ask for one.</source>
        <translation>kavimo 自身的证书（PEM），供要求证书的归档使用。</translation>
    </message>
    <message>
        <source>The unencrypted private key (PEM) of kavimo&apos;s certificate.</source>
        <translation>kavimo 证书的未加密私钥（PEM）。</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is %4</source>
        <translation>%1：%2“%3”%4</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>不是目录</translation>
    </message>
    <message>
        <source>not an IPv4 address</source>
        <translation>不是 IPv4 地址</translation>
    </message>
    <message>
        <source>not a port (0 to 65535)</source>
        <translation>不是端口（0 到 65535）</translation>
    </message>
    <message>
        <source>not a port (1 to 65535)</source>
        <translation>不是端口（1 到 65535）</translation>
    </message>
    <message>
        <source>not an AE title (1 to 16 characters)</source>
        <translation>不是 AE 标题（1 到 16 个字符）</translation>
    </message>
    <message>
        <source>not a host</source>
        <translation>不是主机</translation>
    </message>
    <message>
        <source>not on or off</source>
        <translation>不是 on 或 off</translation>
    </message>
    <message>
        <source>not an issuer (1 to 64 characters, no backslash)</source>
        <translation>不是签发者（1 到 64 个字符，不含反斜杠）</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>not a modality (a code such as XC or IO)</source>
        <translation>不是检查类型（如 XC 或 IO 之类的代码）</translation>
    </message>
    <message>
        <source>not this or all</source>
        <translation>不是 this 或 all</translation>
    </message>
    <message>
        <source>not a group name</source>
        <translation>不是用户组名</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>无效</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>未指定文件夹</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>文件夹不可写</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>未指定文件</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>the file is not readable</source>
        <translation>文件不可读</translation>
    </message>
    <message>
        <source>Opens the patient with this ID of the practice-management system, creating it when kavimo does not have it yet (the patient dialog is not shown); the ID becomes the archive&apos;s Patient ID. When kavimo already runs on this work directory, the running window switches to the patient.</source>
        <translation>打开诊所管理系统中具有此 ID 的患者，kavimo 中尚无该患者时将其创建（不显示患者对话框）；该 ID 即归档的患者 ID。若 kavimo 已在此工作目录上运行，正在运行的窗口将切换到该患者。</translation>
    </message>
    <message>
        <source>The last name of the --patient-id patient (needed with it).</source>
        <translation>--patient-id 患者的姓（与其一同必需）。</translation>
    </message>
    <message>
        <source>The first name of the --patient-id patient.</source>
        <translation>--patient-id 患者的名。</translation>
    </message>
    <message>
        <source>The birth date of the --patient-id patient (also YYYY-MM-DD or DD.MM.YYYY).</source>
        <translation>--patient-id 患者的出生日期（也可为 YYYY-MM-DD 或 DD.MM.YYYY）。</translation>
    </message>
    <message>
        <source>The sex of the --patient-id patient (also Male, Female, Other, Unknown).</source>
        <translation>--patient-id 患者的性别（也可为 Male、Female、Other、Unknown）。</translation>
    </message>
    <message>
        <source>The phone of the --patient-id patient.</source>
        <translation>--patient-id 患者的电话。</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>显示本帮助。</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>显示版本。</translation>
    </message>
    <message>
        <source>Points both camera addresses at 127.0.0.1 (for the camera simulator)
[KAVIMO_LOOPBACK=1]</source>
        <translation>将两个摄像头地址都指向 127.0.0.1（用于摄像头模拟器）
[KAVIMO_LOOPBACK=1]</translation>
    </message>
    <message>
        <source>Shows kavimo without a camera: starts the camera simulator kavimo-camsim (next to kavimo, else on the PATH) on 127.0.0.1 as a stream camera (--demo) or a picture camera (--demo=picture) and points the camera link at it; the camera addresses and ports above are then unused.</source>
        <translation>无摄像头时演示 kavimo：启动摄像头模拟器 kavimo-camsim（位于 kavimo 旁，否则在 PATH 中），在 127.0.0.1 上作为流式摄像头（--demo）或图片摄像头（--demo=picture），并将摄像头连接指向它；此时上面的摄像头地址和端口不再使用。</translation>
    </message>
    <message>
        <source>The settings file to read instead of %1
[KAVIMO_CONFIG]</source>
        <translation>要读取的设置文件，代替 %1
[KAVIMO_CONFIG]</translation>
    </message>
    <message>
        <source>Writes a picture of the screen.</source>
        <translation>保存屏幕截图。</translation>
    </message>
    <message>
        <source>Milliseconds.</source>
        <translation>毫秒。</translation>
    </message>
    <message>
        <source>kavimo: oral image acquisition for WiFi intraoral cameras.
Every setting can also be given in the environment (KAVIMO_*) or in kavimo.ini;
the command line wins over the environment, which wins over the file.</source>
        <translation>kavimo：用于 WiFi 口腔内窥镜的口腔图像采集。
每项设置也可在环境变量（KAVIMO_*）或 kavimo.ini 中给出；
命令行优先于环境变量，环境变量优先于文件。</translation>
    </message>
    <message>
        <source>A VDDS-media transfer file the practice-management system wrote.</source>
        <translation>诊所管理系统写入的 VDDS-media 传输文件。</translation>
    </message>
    <message>
        <source>Usage: kavimo [options] [transfer-file]</source>
        <translation>用法：kavimo [选项] [transfer-file]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>settings file &quot;%1&quot; does not exist</source>
        <translation>设置文件“%1”不存在</translation>
    </message>
    <message>
        <source>--demo=%1: the demo camera is &quot;stream&quot; or &quot;picture&quot;</source>
        <translation>--demo=%1：演示摄像头为“stream”或“picture”</translation>
    </message>
    <message>
        <source>a transfer file and --patient-id cannot be given together</source>
        <translation>不能同时给出传输文件和 --patient-id</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (no such transfer file)</source>
        <translation>意外的参数“%1”（没有这样的传输文件）</translation>
    </message>
    <message>
        <source>the patient options need --patient-id</source>
        <translation>患者选项需要 --patient-id</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>出生日期“%1”不是日期（YYYYMMDD）</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O, U, Male, Female, Other or Unknown</source>
        <translation>性别“%1”不是 M、F、O、U、Male、Female、Other 或 Unknown</translation>
    </message>
    <message>
        <source>the stream camera %1:%2 is the program&apos;s own command port; give the camera&apos;s port with --stream-command-port or another local port with --stream-local-port</source>
        <translation>流式摄像头 %1:%2 是本程序自己的命令端口；请用 --stream-command-port 给出摄像头的端口，或用 --stream-local-port 给出另一个本地端口</translation>
    </message>
    <message>
        <source>the picture camera %1:%2 is the program&apos;s own reply port; give the camera&apos;s port with --picture-command-port or another local port with --picture-reply-port</source>
        <translation>图片摄像头 %1:%2 是本程序自己的应答端口；请用 --picture-command-port 给出摄像头的端口，或用 --picture-reply-port 给出另一个本地端口</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Could not find &quot;%1&quot;: %2</source>
        <translation>找不到“%1”：%2</translation>
    </message>
    <message>
        <source>Could not create &quot;%1&quot;: %2</source>
        <translation>无法创建“%1”：%2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>无法将“%1”移到回收站：%2</translation>
    </message>
    <message>
        <source>Could not restore &quot;%1&quot;: %2</source>
        <translation>无法恢复“%1”：%2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;: %2</source>
        <translation>无法删除“%1”：%2</translation>
    </message>
    <message>
        <source>These patient records are incomplete and were left out of the patient list:%1</source>
        <translation>以下患者记录不完整，未列入患者列表：%1</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but no files were deleted: its record names the directory &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>%1 已从患者列表中移除，但未删除任何文件：其记录指向目录“%2”，而不是“%3”。</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; could not be moved to the trash: %3</source>
        <translation>%1 已从患者列表中移除，但无法将“%2”移到回收站：%3</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; was not deleted: it is not a plain directory.</source>
        <translation>%1 已从患者列表中移除，但未删除“%2”：它不是普通目录。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; was not added: its path is longer than %2 bytes.</source>
        <translation>未添加图片“%1”：其路径超过 %2 字节。</translation>
    </message>
    <message>
        <source>These pictures were not added: their paths are longer than %1 bytes.%2</source>
        <translation>以下图片未添加：其路径超过 %1 字节。%2</translation>
    </message>
    <message>
        <source>%1 cannot be restored: the patient list is full.</source>
        <translation>无法恢复 %1：患者列表已满。</translation>
    </message>
    <message>
        <source>%1 cannot be restored: a patient directory of that name exists.</source>
        <translation>无法恢复 %1：已存在同名的患者目录。</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>无法恢复 %1：%2</translation>
    </message>
    <message>
        <source>Cannot create the work directory %1: %2</source>
        <translation>无法创建工作目录 %1：%2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is a symbolic link, which kavimo does not follow.</source>
        <translation>无法使用锁文件 %1：它是符号链接，kavimo 不会跟随符号链接。</translation>
    </message>
    <message>
        <source>Cannot open the lock file %1: %2</source>
        <translation>无法打开锁文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is not a plain file.</source>
        <translation>无法使用锁文件 %1：它不是普通文件。</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on %2 (process %3).</source>
        <translation>%1 中的患者记录正被 %2 上的 kavimo 使用（进程 %3）。</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on another computer or process.</source>
        <translation>%1 中的患者记录正被另一台计算机或另一个进程中的 kavimo 使用。</translation>
    </message>
    <message>
        <source>Cannot lock the patient records in %1: %2</source>
        <translation>无法锁定 %1 中的患者记录：%2</translation>
    </message>
    <message>
        <source>the JPEG data is cut short or damaged (%1)</source>
        <translation>JPEG 数据不完整或已损坏（%1）</translation>
    </message>
    <message>
        <source>not a readable JPEG picture: %1</source>
        <translation>不是可读取的 JPEG 图片：%1</translation>
    </message>
    <message>
        <source>the picture does not decode to RGB</source>
        <translation>图片无法解码为 RGB</translation>
    </message>
    <message>
        <source>cannot encode the picture as JPEG: %1</source>
        <translation>无法将图片编码为 JPEG：%1</translation>
    </message>
    <message>
        <source>the archive&apos;s address is not set (AE title, host and port)</source>
        <translation>未设置存档服务器的地址（AE 标题、主机和端口）</translation>
    </message>
    <message>
        <source>the archive %1 refused the connection (check its AE title and that it accepts %2): %3</source>
        <translation>存档服务器 %1 拒绝了连接（请检查其 AE 标题，以及它是否接受 %2）：%3</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2 (it may ask for kavimo&apos;s own TLS certificate, and none is set)</source>
        <translation>无法连接存档服务器 %1：%2（它可能要求 kavimo 自己的 TLS 证书，但尚未设置）</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2</source>
        <translation>无法连接存档服务器 %1：%2</translation>
    </message>
    <message>
        <source>not connected to the archive</source>
        <translation>未连接到存档服务器</translation>
    </message>
    <message>
        <source>the archive did not answer the check: %1</source>
        <translation>存档服务器未响应检测：%1</translation>
    </message>
    <message>
        <source>the archive does not accept photographic pictures (VL Photographic Image Storage)</source>
        <translation>存档服务器不接受摄影图片（VL Photographic Image Storage）</translation>
    </message>
    <message>
        <source>the archive did not confirm the picture: %1</source>
        <translation>存档服务器未确认收到图片：%1</translation>
    </message>
    <message>
        <source>the archive refused the picture (%1)</source>
        <translation>存档服务器拒收了图片（%1）</translation>
    </message>
    <message>
        <source>the archive stored the picture with a warning (%1)</source>
        <translation>存档服务器已存储图片，但给出警告（%1）</translation>
    </message>
    <message>
        <source>the archive offers no worklist</source>
        <translation>存档服务器不提供工作列表</translation>
    </message>
    <message>
        <source>the archive did not finish answering within %1 s</source>
        <translation>存档服务器未在 %1 秒内完成应答</translation>
    </message>
    <message>
        <source>the worklist query failed: %1</source>
        <translation>工作列表查询失败：%1</translation>
    </message>
    <message>
        <source>the picture claims %1 × %2 pixels, more than kavimo opens</source>
        <translation>图片声称有 %1 × %2 像素，超出了 kavimo 能打开的大小</translation>
    </message>
    <message numerus="yes">
        <source>the patient list is full: at most %n patients can be kept</source>
        <translation>
            <numerusform>患者列表已满：最多只能保存 %n 位患者</numerusform>
        </translation>
    </message>
    <message>
        <source>the computer&apos;s clock is behind the newest patient&apos;s creation time</source>
        <translation>计算机的时钟早于最新患者的创建时间</translation>
    </message>
    <message>
        <source>the patient could not be stored in the work directory</source>
        <translation>无法将患者保存到工作目录</translation>
    </message>
    <message>
        <source>the patient&apos;s details could not be written: %1</source>
        <translation>无法写入患者详细信息：%1</translation>
    </message>
    <message>
        <source>the patient could not be selected</source>
        <translation>无法选择该患者</translation>
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
        <translation>用法：kavimo-camsim --stream|--picture [选项]

在回环地址上模拟 kavimo 系统的一台摄像头。每个地址都必须位于 127.0.0.0/8 内。

  --stream               流式摄像头：识别应答、心跳、按键、H.264 视频
  --picture              图片摄像头：识别应答、TCP 图片通道
  --bind IP              每个套接字的本地地址（默认 127.0.0.1）
  --app IP               应用程序的地址（默认 127.0.0.1）
  --cmd-port N           摄像头的 UDP 命令端口（默认 0：由内核选择）
  --app-port N           应用程序的命令端口（流式，默认 7777）或应答端口
                         （图片，默认 5000）；0：在命令“app-port N”给出端口之前
                         不发送任何内容
  --video-port N         应用程序的视频端口（默认 8888）；0：在“video-port N”给出端口之前
                         不发送视频
  --tcp-port N           图片通道的 TCP 端口（默认 0：由内核选择）
  --name TEXT            识别应答中的摄像头名称（最多 32 字节）
  --value N              识别应答的第一个参数（默认 1）
  --size WxH             图片尺寸（默认 640x480）
  --fps N                每秒视频帧数（默认 25）
  --gop N                从一个关键帧到下一个关键帧的帧数（默认 25）
  --bitrate KBPS         视频码率（默认 1500）
  --fragment-size N      每个分片的负载字节数，每个数据报一个分片（默认 1400）
  --attribute N          每帧的视频属性代码（默认 0）
  --input FILE.h264      发送此 Annex B 文件中的画面（循环）而不是测试画面
  --loss N               每第 N 个分片丢弃一个（默认 0：不丢弃）
  --heartbeat-ms N       心跳周期（默认 500；0：无）
  --no-heartbeat         启动时不发送心跳
  --no-video             启动时不发送视频
  --no-identify          不应答识别请求
  --preview-fps N        每秒预览图片数（默认 10）
  --quality N            预览图片的 JPEG 质量（默认 80）
  --drop-after N         每个 TCP 连接在 N 张图片后断开
  --at SECONDS:COMMAND   在启动后的指定时间执行一条命令（可重复）
  --exit-on-stdin-eof    标准输入关闭时结束
  --duration SECONDS     运行这么长时间后结束
  -h, --help             显示本帮助
  --version              显示本程序所属 kavimo 的版本

命令（标准输入，每行一条，或用 --at）：
  key N                  流式摄像头：发送摄像头按键 N（81..85）；图片摄像头：拍摄
  capture                图片摄像头：发送一张拍摄的图片
  heartbeat on|off       开始或停止心跳
  video on|off           开始或停止视频
  identify on|off        是否应答识别请求
  drop                   图片摄像头：关闭 TCP 连接
  oversize               图片摄像头：发送一条超过 1048576 字节的预览消息
  loss N                 从现在起每第 N 个分片丢弃一个（0：不丢弃）
  loss-rate N            从现在起随机丢弃分片，每千个丢弃 N 个（0：不丢弃）
  send CODE [A1 [A2]]    向应用程序发送带有这些值的命令数据报
  app-port N             从现在起将应答、心跳和按键发送到此端口
  video-port N           从现在起将视频发送到此端口
  quit                   结束

标准输出：每个套接字绑定后输出一行“camsim ready mode=... cmd_port=... ...”，
随后是“camsim event ...”行；结束时输出“camsim bye”。错误信息输出到标准错误。
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
        <translation>用法：kavimo-play [选项] [FILE.h264]
播放 H.264 基本流；未给出文件时播放生成的测试图案。
  --size WxH            生成图案的尺寸（默认 1280x720）
  --fps N               流的帧率（默认 25）
  --mode 0|1            渲染模式：0 表面层（默认），1 SDL
  --overlay             在视频上叠加统计文字
  --frames N            播放 N 帧后停止
  --seconds S           播放 S 秒后停止
  --loop                文件结束后从头再播放
  --window WxH          窗口尺寸（默认：图案的尺寸，文件为 960x540）
  --no-pacing           以最快速度显示帧（不控速，立即送入）
  --shot FILE.bmp       结束时写出最后显示的一帧（TEGMO_PLAY_VideoShotLast）
  --window-shot FILE.bmp  结束时写出窗口显示的内容
  --record FILE.h264    同时将播放的帧写入基本流文件
  -h, --help            显示本帮助
  --version             显示本程序所属 kavimo 的版本
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

查看 kavimo 的患者记录而不作任何更改；tag 会在图片旁记录图片的
牙位和视角。

命令：
  list        所有患者：序号、UID、姓名、性别、年龄、电话、诊断、图片
  show UID    一位患者的记录、诊断以及图片及其牙位和视角
              （UID20170801102233 或其中的数字）
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              设置图片的牙位（FDI 编号；为空：无）和视角，PICTURE 即 show
              列出的图片（其序号、路径或文件名）；VIEW 为 frontal、
              left-buccal、right-buccal、upper-occlusal、lower-occlusal、close-up 或 other
              （为空：无）。kavimo 打开工作目录期间拒绝执行
  check       将每位患者的计数与其列表文件和图片文件比对，检查
              每张图片是否为 JPEG，并查找缺失的备份和多余的文件；
              发现问题时退出状态为 1
  export-dicom UID DIR [--pacs-issuer TEXT]
              将该患者的每张图片写入 DIR/DICOM/，并附带 DICOMDIR
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [TLS 选项]
              将该患者的每张图片发送到归档，每张图片一行
              （这两条命令在尚无安装标识时写入安装标识，即工作目录中的
              Installation.txt：它们生成的每个 UID 都带有该标识）
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [TLS 选项] [--date YYYYMMDD]
              工作列表为当天安排的患者（默认为今天）
  audit [--since YYYYMMDD]
              审计记录：谁在何时拍摄、保存、删除、导出或发送了什么，
              每行一个事件（从给定日期起）

选项：
  --drive-d DIR   代表 d: 盘的主机目录（默认：$KAVIMO_DRIVE_D，
                  否则为 kavimo.ini 中的 paths/drive_d（$KAVIMO_CONFIG，否则为
                  ~/.config/kavimo/kavimo.ini），否则为 $XDG_DATA_HOME/kavimo/d，即
                  ~/.local/share/kavimo/d；没有 HOME 时必须给出）
  --data-group GROUP  共享记录的用户组：本程序写入的内容获得
                  权限 0660（文件夹 0770）和该组（默认：$KAVIMO_DATA_GROUP，
                  否则为 kavimo.ini 中的 paths/data_group，否则无：0600 和 0700）
  --pacs AET@HOST:PORT  归档：其 AE 标题、主机和 DICOM 端口
  --calling-aet AET     kavimo 自身的 AE 标题（默认 KAVIMO）
  --pacs-issuer TEXT    kavimo 自身患者 ID 的患者 ID 签发者（默认：
                        $KAVIMO_PACS_ISSUER，否则为 KAVIMO- 加安装标识的
                        8 位十六进制数字）
  --pacs-tls on|off     通过 TLS 与归档通信（默认 off：普通 TCP）
  --pacs-tls-ca FILE    归档证书必须链接到的 CA 证书（PEM）；
                        该证书还必须包含归档的主机名
  --pacs-tls-cert FILE  kavimo 自身的证书（PEM），供要求证书的归档使用
  --pacs-tls-key FILE   该证书的未加密私钥（PEM）
  --date YYYYMMDD       工作列表的日期
  --since YYYYMMDD      审计记录的起始日期
  --teeth LIST          tag：图片的牙位，FDI 编号，如 11,21
  --view VIEW           tag：图片的视角
  -h, --help      显示本帮助
  --version       显示本程序所属 kavimo 的版本

退出状态：0 正常；1 发现问题、没有该患者或图片、工作目录正在
使用，或图片或文件未写入或未保存；2 用法错误或没有工作目录。
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
        <translation>未给出命令</translation>
    </message>
    <message>
        <source>--teeth and --view apply to tag only</source>
        <translation>--teeth 和 --view 只用于 tag</translation>
    </message>
    <message>
        <source>--pacs, --calling-aet and the TLS options do not apply to %1</source>
        <translation>--pacs、--calling-aet 和 TLS 选项不适用于 %1</translation>
    </message>
    <message>
        <source>--pacs-tls-ca, --pacs-tls-cert and --pacs-tls-key need --pacs-tls on</source>
        <translation>--pacs-tls-ca、--pacs-tls-cert 和 --pacs-tls-key 需要 --pacs-tls on</translation>
    </message>
    <message>
        <source>--pacs-issuer does not apply to %1</source>
        <translation>--pacs-issuer 不适用于 %1</translation>
    </message>
    <message>
        <source>--pacs-issuer needs 1 to 64 characters without a backslash</source>
        <translation>--pacs-issuer 需要 1 到 64 个字符，不含反斜杠</translation>
    </message>
    <message>
        <source>--since applies to audit only</source>
        <translation>--since 只用于 audit</translation>
    </message>
    <message>
        <source>--since needs YYYYMMDD</source>
        <translation>--since 需要 YYYYMMDD</translation>
    </message>
    <message>
        <source>--date applies to worklist only</source>
        <translation>--date 只用于 worklist</translation>
    </message>
    <message>
        <source>--date needs YYYYMMDD</source>
        <translation>--date 需要 YYYYMMDD</translation>
    </message>
    <message>
        <source>%1 needs --pacs AET@HOST:PORT</source>
        <translation>%1 需要 --pacs AET@HOST:PORT</translation>
    </message>
    <message>
        <source>wrong arguments for %1</source>
        <translation>%1 的参数有误</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>未知命令 %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1：不是普通文件</translation>
    </message>
    <message>
        <source>%1: the line was written only in part (the disk may be full)</source>
        <translation>%1：该行只写入了一部分（磁盘可能已满）</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1：无法读取</translation>
    </message>
    <message>
        <source>line %1: no &quot;=&quot;</source>
        <extracomment>%1 is a line number of a &quot;Key=value&quot; file</extracomment>
        <translation>第 %1 行：没有“=”</translation>
    </message>
    <message>
        <source>line %1: %2 given twice</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>第 %1 行：%2 重复出现</translation>
    </message>
    <message>
        <source>line %1: %2 is not UTF-8 text</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>第 %1 行：%2 不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>%1 is not a YYYYMMDD date</source>
        <extracomment>%1 is a key of a &quot;Key=value&quot; file (&quot;BirthDate&quot;, &quot;Date&quot;)</extracomment>
        <translation>%1 不是 YYYYMMDD 格式的日期</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>line %1: unknown key &quot;%2&quot;</source>
        <extracomment>%1 is a line number, %2 a key of the patient&apos;s details file</extracomment>
        <translation>第 %1 行：未知的键“%2”</translation>
    </message>
    <message>
        <source>%1 is not one of M, F, O, U</source>
        <extracomment>%1 is the key of the sex in the patient&apos;s details file (&quot;Sex&quot;)</extracomment>
        <translation>%1 不是 M、F、O、U 之一</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message numerus="yes">
        <source>larger than %n bytes</source>
        <translation>
            <numerusform>大于 %n 字节</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cannot be read, or larger than %n bytes</source>
        <translation>
            <numerusform>无法读取，或大于 %n 字节</numerusform>
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
        <translation>左颊侧</translation>
    </message>
    <message>
        <source>Right buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>右颊侧</translation>
    </message>
    <message>
        <source>Upper occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>上颌咬合面</translation>
    </message>
    <message>
        <source>Lower occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>下颌咬合面</translation>
    </message>
    <message>
        <source>Close-up</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>特写</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>view</comment>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>其他</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an FDI tooth number (11-48, 51-85)</source>
        <translation>“%1”不是 FDI 牙位编号（11-48、51-85）</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>第一行不是“%1”</translation>
    </message>
    <message>
        <source>not three tab-separated fields</source>
        <translation>不是以制表符分隔的三个字段</translation>
    </message>
    <message>
        <source>not a picture&apos;s file name</source>
        <translation>不是图片的文件名</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is the file name of a picture</extracomment>
        <translation>%1 出现了两次</translation>
    </message>
    <message>
        <source>the teeth are not in ascending order, separated by commas</source>
        <translation>牙位未按升序排列并以逗号分隔</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view</source>
        <translation>“%1”不是视图</translation>
    </message>
    <message>
        <source>neither teeth nor a view</source>
        <translation>既没有牙位也没有视图</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the teeth file, %2 what is wrong with that line</extracomment>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>无法删除 %1：%2</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); it is left as it is</source>
        <extracomment>%1 is the teeth file&apos;s name, %2 what is wrong with it</extracomment>
        <translation>%1 已损坏（%2）；保持原样，未作更改</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be tagged</source>
        <translation>无法标注“%1”</translation>
    </message>
    <message>
        <source>the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>无法读取回收站的索引</translation>
    </message>
    <message>
        <source>the index does not begin with &quot;%1&quot;</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>回收站的索引不是以“%1”开头</translation>
    </message>
    <message>
        <source>line %1 of the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>无法读取回收站索引的第 %1 行</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no folder</source>
        <extracomment>%1 is the name of an entry of the trash, %2 the patient or picture it holds</extracomment>
        <translation>条目 %1（%2）没有文件夹</translation>
    </message>
    <message>
        <source>cannot create the folder %1: something else has its name</source>
        <translation>无法创建文件夹 %1：已有其他同名项目</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>cannot create a temporary folder in %1: %2</source>
        <translation>无法在 %1 中创建临时文件夹：%2</translation>
    </message>
    <message>
        <source>no free file name for the picture in %1</source>
        <translation>%1 中没有可供该图片使用的文件名</translation>
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
        <translation>没有可列入 DICOMDIR 的图片</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <extracomment>%2 the system&apos;s reason</extracomment>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>%1 is damaged: it does not hold this installation&apos;s identity. Restore it from a backup; remove it only to give this installation a new identity (pictures sent before then get new UIDs when they are sent again)</source>
        <translation>%1 已损坏：其中没有本安装的标识。请从备份中恢复它；只有要为本安装赋予新标识时才删除它（此前发送过的图片再次发送时会获得新的 UID）</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>cannot write the outbox %1: %2</source>
        <translation>无法写入发送队列 %1：%2</translation>
    </message>
    <message>
        <source>cannot read the outbox %1: %2</source>
        <translation>无法读取发送队列 %1：%2</translation>
    </message>
    <message>
        <source>the sending failed: %1</source>
        <translation>发送失败：%1</translation>
    </message>
    <message numerus="yes">
        <source>refused %n times: %1</source>
        <translation>
            <numerusform>已被拒绝 %n 次：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>attribute list error</source>
        <translation>属性列表错误</translation>
    </message>
    <message>
        <source>attribute value out of range</source>
        <translation>属性值超出范围</translation>
    </message>
    <message>
        <source>processing failure</source>
        <translation>处理失败</translation>
    </message>
    <message>
        <source>SOP class not supported</source>
        <translation>不支持该 SOP 类</translation>
    </message>
    <message>
        <source>not authorised</source>
        <translation>未获授权</translation>
    </message>
    <message>
        <source>coercion of data elements</source>
        <translation>数据元素被强制转换</translation>
    </message>
    <message>
        <source>elements discarded</source>
        <translation>数据元素被丢弃</translation>
    </message>
    <message>
        <source>data set does not match SOP class</source>
        <translation>数据集与 SOP 类不符</translation>
    </message>
    <message>
        <source>cannot understand</source>
        <translation>无法理解</translation>
    </message>
    <message>
        <source>out of resources</source>
        <translation>资源不足</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1 is a DICOM status number (0xA700)</extracomment>
        <translation>状态 %1</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1 is a DICOM status number (0xA700), %2 what it means (&quot;out of resources&quot;)</extracomment>
        <translation>状态 %1：%2</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>无法设置 TLS：%1</translation>
    </message>
    <message>
        <source>TLS is on, but no CA certificate file is set to check the archive&apos;s certificate with</source>
        <translation>TLS 已开启，但未设置用于校验存档服务器证书的 CA 证书文件</translation>
    </message>
    <message>
        <source>cannot read the CA certificate file %1: %2</source>
        <translation>无法读取 CA 证书文件 %1：%2</translation>
    </message>
    <message>
        <source>the CA certificate file %1 holds no PEM certificate: %2</source>
        <translation>CA 证书文件 %1 中没有 PEM 证书：%2</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS key file is set without its certificate file</source>
        <translation>已设置 kavimo 的 TLS 私钥文件，但未设置其证书文件</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS certificate file is set without its key file</source>
        <translation>已设置 kavimo 的 TLS 证书文件，但未设置其私钥文件</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s certificate file %1: %2</source>
        <translation>无法读取 kavimo 的证书文件 %1：%2</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s key file %1: %2</source>
        <translation>无法读取 kavimo 的私钥文件 %1：%2</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate file %1 holds no PEM certificate: %2</source>
        <translation>kavimo 的证书文件 %1 中没有 PEM 证书：%2</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 holds no unencrypted PEM private key</source>
        <translation>kavimo 的私钥文件 %1 中没有未加密的 PEM 私钥</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 does not belong to the certificate %2</source>
        <translation>kavimo 的私钥文件 %1 与证书 %2 不匹配</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1 (it is not made out to %2)</source>
        <extracomment>%1 is OpenSSL&apos;s reason, %2 the archive&apos;s host name or address</extracomment>
        <translation>存档服务器的证书不受信任：%1（该证书不是颁发给 %2 的）</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1</source>
        <extracomment>%1 is OpenSSL&apos;s reason</extracomment>
        <translation>存档服务器的证书不受信任：%1</translation>
    </message>
    <message>
        <source>the archive %1 did not finish the TLS handshake in time</source>
        <translation>存档服务器 %1 未及时完成 TLS 握手</translation>
    </message>
    <message>
        <source>the TLS handshake with the archive %1 failed: %2</source>
        <translation>与存档服务器 %1 的 TLS 握手失败：%2</translation>
    </message>
    <message>
        <source>an entry without Patient ID</source>
        <translation>无患者 ID 的条目</translation>
    </message>
    <message>
        <source>patient &quot;%1&quot;</source>
        <translation>患者“%1”</translation>
    </message>
    <message>
        <source>%1: %2 left out (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1：已略去字段“%2”（%3）</translation>
    </message>
    <message>
        <source>%1: %2 shortened or cleaned (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1：字段“%2”已截短或清理（%3）</translation>
    </message>
    <message>
        <source>%1: its texts cannot be read in the character set &quot;%2&quot; (%3); what is not UTF-8 is shown as %4</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a character set, %3 the converter&apos;s reason, %4 the replacement character</extracomment>
        <translation>%1：无法按字符集“%2”读取其文本（%3）；非 UTF-8 的部分显示为 %4</translation>
    </message>
    <message>
        <source>%1: left out, its Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Patient ID</extracomment>
        <translation>%1：已略去，其患者 ID 不可用（%2）</translation>
    </message>
    <message>
        <source>%1: left out, its Issuer of Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Issuer of Patient ID</extracomment>
        <translation>%1：已略去，其患者 ID 签发者不可用（%2）</translation>
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
        <translation>性别</translation>
    </message>
    <message>
        <source>%1: sex left out (not F, M or O)</source>
        <extracomment>%1 names the worklist entry&apos;s patient</extracomment>
        <translation>%1：已略去性别（不是 F、M 或 O）</translation>
    </message>
    <message>
        <source>Accession Number</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>检查号</translation>
    </message>
    <message>
        <source>Study Instance UID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Study Instance UID</translation>
    </message>
    <message>
        <source>Requested Procedure ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>检查项目 ID</translation>
    </message>
    <message>
        <source>Requested Procedure Description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>检查项目描述</translation>
    </message>
    <message>
        <source>referring physician</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>转诊医生</translation>
    </message>
    <message>
        <source>scheduled date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>预约日期</translation>
    </message>
    <message>
        <source>scheduled time</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>预约时间</translation>
    </message>
    <message>
        <source>modality</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>检查类型</translation>
    </message>
    <message>
        <source>station</source>
        <extracomment>a field of a worklist entry (the AE title of the station it is scheduled on)</extracomment>
        <translation>工作站</translation>
    </message>
    <message>
        <source>step description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>检查步骤描述</translation>
    </message>
    <message>
        <source>step ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>检查步骤 ID</translation>
    </message>
    <message>
        <source>no patient %1</source>
        <translation>没有患者 %1</translation>
    </message>
    <message>
        <source>refused %1: it is a link to %2, outside the work directory</source>
        <translation>已拒绝 %1：它是指向工作目录之外的 %2 的链接</translation>
    </message>
    <message>
        <source>refused %1: not a regular file</source>
        <translation>已拒绝 %1：不是普通文件</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>the picture is too large for an object</source>
        <translation>图片过大，无法制成 DICOM 对象</translation>
    </message>
    <message>
        <source>no installation identity to make the object&apos;s UIDs with</source>
        <translation>没有用于生成对象 UID 的安装标识</translation>
    </message>
    <message>
        <source>the order&apos;s Study Instance UID: %1</source>
        <translation>医嘱的 Study Instance UID：%1</translation>
    </message>
    <message>
        <source>Patient ID: %1</source>
        <translation>患者 ID：%1</translation>
    </message>
    <message>
        <source>Issuer of Patient ID: %1</source>
        <translation>患者 ID 签发者：%1</translation>
    </message>
    <message>
        <source>Accession Number: %1</source>
        <translation>检查号：%1</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>内存不足，无法处理该图片</translation>
    </message>
    <message>
        <source>the object holds no JPEG data</source>
        <translation>对象中没有 JPEG 数据</translation>
    </message>
    <message>
        <source>the object holds no RGB pixels</source>
        <translation>对象中没有 RGB 像素</translation>
    </message>
    <message>
        <source>cannot make the picture uncompressed: %1</source>
        <translation>无法解压缩图片：%1</translation>
    </message>
    <message>
        <source>cannot make the picture JPEG: %1</source>
        <translation>无法将图片转为 JPEG：%1</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>contains a backslash</source>
        <translation>含有反斜杠</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>含有控制字符</translation>
    </message>
    <message numerus="yes">
        <source>longer than %n characters</source>
        <translation>
            <numerusform>超过 %n 个字符</numerusform>
        </translation>
    </message>
    <message>
        <source>more than three name groups</source>
        <translation>姓名组超过三个</translation>
    </message>
    <message numerus="yes">
        <source>a name group longer than %n characters</source>
        <translation>
            <numerusform>有姓名组超过 %n 个字符</numerusform>
        </translation>
    </message>
    <message>
        <source>more than five name components</source>
        <translation>姓名成分超过五个</translation>
    </message>
    <message>
        <source>not a person name</source>
        <translation>不是人名</translation>
    </message>
    <message>
        <source>not an AE title</source>
        <translation>不是 AE 标题</translation>
    </message>
    <message>
        <source>not a code string</source>
        <translation>不是代码字符串</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>不是日期</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>不是时间</translation>
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
        <translation>患者 ID 含有控制字符或不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>the last name holds a control character or is not UTF-8 text</source>
        <translation>姓氏含有控制字符或不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>the first name holds a control character or is not UTF-8 text</source>
        <translation>名字含有控制字符或不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>the phone holds a control character or is not UTF-8 text</source>
        <translation>电话含有控制字符或不是 UTF-8 文本</translation>
    </message>
    <message numerus="yes">
        <source>the patient ID is longer than %n characters</source>
        <translation>
            <numerusform>患者 ID 超过 %n 个字符</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the last name is longer than %n characters</source>
        <translation>
            <numerusform>姓氏超过 %n 个字符</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first name is longer than %n characters</source>
        <translation>
            <numerusform>名字超过 %n 个字符</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the phone is longer than %n characters</source>
        <translation>
            <numerusform>电话超过 %n 个字符</numerusform>
        </translation>
    </message>
    <message>
        <source>the patient ID is missing</source>
        <translation>缺少患者 ID</translation>
    </message>
    <message>
        <source>the patient ID &quot;%1&quot; holds a path character (&apos;/&apos; or &apos;\&apos;)</source>
        <translation>患者 ID“%1”含有路径字符（“/”或“\”）</translation>
    </message>
    <message>
        <source>the last name is missing</source>
        <translation>缺少姓氏</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>出生日期“%1”不是日期（YYYYMMDD）</translation>
    </message>
    <message>
        <source>the birth date %1 lies in the future</source>
        <translation>出生日期 %1 是将来的日期</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O or U</source>
        <translation>性别“%1”不是 M、F、O 或 U</translation>
    </message>
    <message>
        <source>the message is too long</source>
        <translation>消息过长</translation>
    </message>
    <message>
        <source>the message does not start with &quot;%1&quot;</source>
        <translation>消息不是以“%1”开头</translation>
    </message>
    <message>
        <source>text follows the end line</source>
        <translation>结束行之后还有文本</translation>
    </message>
    <message>
        <source>the message holds no PatientID</source>
        <translation>消息中没有 PatientID</translation>
    </message>
    <message>
        <source>line %1 holds no &apos;=&apos;</source>
        <translation>第 %1 行没有“=”</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is repeated</source>
        <translation>键“%1”重复出现</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a picture</source>
        <translation>“%1”不是图片名称</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>未知的键“%1”</translation>
    </message>
    <message>
        <source>the message has no end line</source>
        <translation>消息没有结束行</translation>
    </message>
    <message numerus="yes">
        <source>the file is larger than %n KiB</source>
        <translation>
            <numerusform>文件大于 %n KiB</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is UTF-8 text, not ISO-8859-1</source>
        <translation>文件是 UTF-8 文本，而不是 ISO-8859-1</translation>
    </message>
    <message>
        <source>the file is not ISO-8859-1 text (byte %1 at offset %2)</source>
        <translation>文件不是 ISO-8859-1 文本（偏移量 %2 处的字节 %1）</translation>
    </message>
    <message>
        <source>the transfer file has no [PATIENT] section</source>
        <translation>传输文件中没有 [PATIENT] 节</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD or DD.MM.YYYY)</source>
        <translation>出生日期“%1”不是日期（YYYYMMDD 或 DD.MM.YYYY）</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, W, D or U</source>
        <translation>性别“%1”不是 M、W、D 或 U</translation>
    </message>
    <message>
        <source>[MMOS] COUNT &quot;%1&quot; is not a number of pictures</source>
        <translation>[MMOS] COUNT“%1”不是图片数量</translation>
    </message>
    <message>
        <source>[%1] MMOID &quot;%2&quot; is not a picture of kavimo&apos;s</source>
        <extracomment>%1 is a section of the transfer file (&quot;MMO1&quot;), %2 the picture name given there</extracomment>
        <translation>[%1] MMOID“%2”不是 kavimo 的图片</translation>
    </message>
    <message>
        <source>[MMOPATH] PATH &quot;%1&quot; is not an absolute folder path</source>
        <translation>[MMOPATH] PATH“%1”不是文件夹的绝对路径</translation>
    </message>
    <message>
        <source>the export names no pictures ([MMOS] COUNT)</source>
        <translation>导出请求未指定任何图片（[MMOS] COUNT）</translation>
    </message>
    <message>
        <source>the export folder %1 does not exist</source>
        <translation>导出文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>图片 %1 不属于该患者</translation>
    </message>
    <message>
        <source>cannot read the picture %1</source>
        <translation>无法读取图片 %1</translation>
    </message>
    <message>
        <source>the data group &quot;%1&quot; does not exist</source>
        <translation>数据用户组“%1”不存在</translation>
    </message>
    <message>
        <source>this account is not a member of the data group &quot;%1&quot;</source>
        <translation>此账户不是数据用户组“%1”的成员</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder of this account&apos;s own for the records; give the d: drive&apos;s folder with --drive-d or KAVIMO_DRIVE_D</source>
        <translation>未设置 HOME，因此没有此账户自己的记录文件夹；请用 --drive-d 或 KAVIMO_DRIVE_D 给出 d: 盘的文件夹</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>the outcome of an event of the audit trail; keep it at most 7 characters</extracomment>
        <translation>成功</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Audit trail %1 (%2)</source>
        <translation>审计记录 %1（%2）</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 个事件</translation>
    </message>
    <message numerus="yes">
        <source>%n events</source>
        <translation>
            <numerusform>%n 个事件</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event since %1</source>
        <translation>自 %1 起 1 个事件</translation>
    </message>
    <message numerus="yes">
        <source>%n events since %1</source>
        <translation>
            <numerusform>自 %1 起 %n 个事件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; 1 line skipped, not a whole event</source>
        <extracomment>%1 the events shown, such as &quot;2 events since 20240305&quot;</extracomment>
        <translation>%1；跳过 1 行（不是完整的事件）</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n lines skipped, not a whole event</source>
        <translation>
            <numerusform>%1；跳过 %n 行（不是完整的事件）</numerusform>
        </translation>
    </message>
    <message>
        <source>problem: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what is wrong with it</extracomment>
        <translation>问题：%1：%2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what may be wrong with it</extracomment>
        <translation>警告：%1：%2</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file cannot be read</source>
        <translation>图片 %1“%2”：无法读取文件</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (content: %3)</source>
        <extracomment>%3 the name of a picture format, such as PNG</extracomment>
        <translation>图片 %1“%2”：不是 JPEG 图片（内容：%3）</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (the file is empty)</source>
        <translation>图片 %1“%2”：不是 JPEG 图片（文件为空）</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (unknown content)</source>
        <translation>图片 %1“%2”：不是 JPEG 图片（内容未知）</translation>
    </message>
    <message>
        <source>1 patient</source>
        <translation>1 位患者</translation>
    </message>
    <message numerus="yes">
        <source>%n patients</source>
        <translation>
            <numerusform>%n 位患者</numerusform>
        </translation>
    </message>
    <message>
        <source>missing, but the record counts 1 record</source>
        <translation>缺失，但患者记录中计为 1 条</translation>
    </message>
    <message numerus="yes">
        <source>missing, but the record counts %n records</source>
        <translation>
            <numerusform>缺失，但患者记录中计为 %n 条</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (created empty when the patient is selected)</source>
        <translation>缺失（选择该患者时会创建空文件）</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of %2-byte records</source>
        <translation>%1 字节不是 %2 字节记录的整数倍</translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1</source>
        <extracomment>%1 the count in the patient&apos;s record</extracomment>
        <translation>含有 1 条记录，患者记录中计为 %1</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1</source>
        <translation>
            <numerusform>含有 %n 条记录，患者记录中计为 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>含有 1 条记录，患者记录中计为 %1（重写时多出的部分将被丢弃）</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>
            <numerusform>含有 %n 条记录，患者记录中计为 %1（重写时多出的部分将被丢弃）</numerusform>
        </translation>
    </message>
    <message>
        <source>a link, not the folder of the originals</source>
        <translation>是链接，而不是原图文件夹</translation>
    </message>
    <message>
        <source>stray directory among the originals</source>
        <translation>原图中多余的目录</translation>
    </message>
    <message>
        <source>left over from an interrupted copy of an original</source>
        <translation>原图复制中断后的残留</translation>
    </message>
    <message>
        <source>an original without its picture</source>
        <translation>没有对应图片的原图</translation>
    </message>
    <message>
        <source>damaged teeth and views (%1)</source>
        <translation>牙位和视图信息已损坏（%1）</translation>
    </message>
    <message>
        <source>teeth of %1, which is not there (Update forgets them)</source>
        <translation>%1 的牙位，但该图片不存在（“更新”会将其清除）</translation>
    </message>
    <message>
        <source>holds the record of %1</source>
        <translation>含有 %1 的记录</translation>
    </message>
    <message>
        <source>the record names the directory &quot;%1&quot;</source>
        <translation>记录指向目录“%1”</translation>
    </message>
    <message>
        <source>%1 bytes instead of 1032</source>
        <translation>%1 字节，而不是 1032 字节</translation>
    </message>
    <message>
        <source>negative counts in the record</source>
        <translation>记录中有负数计数</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; belongs to %3</source>
        <translation>图片 %1“%2”属于 %3</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; lies outside the patient&apos;s directory</source>
        <translation>图片 %1“%2”位于患者目录之外</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file is missing</source>
        <translation>图片 %1“%2”：文件缺失</translation>
    </message>
    <message>
        <source>stray directory in a patient directory</source>
        <translation>患者目录中多余的目录</translation>
    </message>
    <message>
        <source>left over from an interrupted rewrite</source>
        <translation>重写中断后的残留</translation>
    </message>
    <message>
        <source>picture not in the picture list (Update rebuilds it)</source>
        <translation>图片不在图片列表中（“更新”会重建列表）</translation>
    </message>
    <message>
        <source>damaged patient details (%1); the record stands in for them</source>
        <translation>患者详细信息已损坏（%1）；以患者记录代替</translation>
    </message>
    <message>
        <source>damaged worklist order (%1); its pictures go into kavimo&apos;s own study of their day</source>
        <translation>工作列表医嘱已损坏（%1）；其图片将归入 kavimo 自己当天的检查</translation>
    </message>
    <message>
        <source>stray file</source>
        <translation>多余的文件</translation>
    </message>
    <message>
        <source>not in the trash index (removed after 30 days)</source>
        <translation>不在回收站索引中（30 天后删除）</translation>
    </message>
    <message>
        <source>no work directory at %1</source>
        <translation>在 %1 找不到工作目录</translation>
    </message>
    <message>
        <source>damaged: not an installation identity (restore it from a backup)</source>
        <translation>已损坏：不是安装标识（请从备份中恢复）</translation>
    </message>
    <message>
        <source>a link, not a directory; not a patient</source>
        <translation>是链接，而不是目录；不是患者</translation>
    </message>
    <message>
        <source>missing backup: no %1, so the patient is not in the patient list</source>
        <translation>缺少备份：没有 %1，因此该患者不在患者列表中</translation>
    </message>
    <message>
        <source>incomplete backup: %1 of 1032 bytes; not in the patient list</source>
        <translation>备份不完整：只有 %1 字节（共 1032 字节）；不在患者列表中</translation>
    </message>
    <message>
        <source>UID is not above the one before it in list order</source>
        <translation>按列表顺序，UID 不大于前一个</translation>
    </message>
    <message numerus="yes">
        <source>more than %n patients</source>
        <translation>
            <numerusform>超过 %n 位患者</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (regenerated at the next start)</source>
        <translation>缺失（下次启动时重新生成）</translation>
    </message>
    <message>
        <source>%1 for %2 (regenerated at the next start)</source>
        <extracomment>%1 the entries of the patient list file, such as &quot;3 records&quot;; %2 the patients, such as &quot;2 patients&quot;</extracomment>
        <translation>%1 对应 %2（下次启动时重新生成）</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 条记录</translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n 条记录</numerusform>
        </translation>
    </message>
    <message>
        <source>odd length: not UTF-16 text</source>
        <translation>长度为奇数：不是 UTF-16 文本</translation>
    </message>
    <message>
        <source>%1 checked: %2, %3.</source>
        <extracomment>the summary of kavimo-records check: %1 such as &quot;2 patients&quot;, %2 such as &quot;0 problems&quot;, %3 such as &quot;1 warning&quot;</extracomment>
        <translation>已检查 %1：%2，%3。</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 个问题</translation>
    </message>
    <message numerus="yes">
        <source>%n problems</source>
        <translation>
            <numerusform>%n 个问题</numerusform>
        </translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 个警告</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
    <message>
        <source>not an archive address (AET@HOST:PORT): %1</source>
        <translation>不是归档地址（AET@HOST:PORT）：%1</translation>
    </message>
    <message>
        <source>not an AE title: %1</source>
        <translation>不是 AE 标题：%1</translation>
    </message>
    <message>
        <source>Exporting %1 of %2: %3</source>
        <extracomment>the progress line of kavimo-records export-dicom: %1 of %2 pictures, %3 the picture&apos;s name</extracomment>
        <translation>正在导出第 %1 张（共 %2 张）：%3</translation>
    </message>
    <message>
        <source>%1 of 1 picture written</source>
        <translation>已写入 %1 张图片（共 1 张）</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures written</source>
        <translation>
            <numerusform>已写入 %1 张图片（共 %n 张）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why it was not stored</extracomment>
        <translation>%1：失败：%2</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why the archive cannot be reached</extracomment>
        <translation>%1：未发送：%2</translation>
    </message>
    <message>
        <source>%1: stored as %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 the UID the archive stored it as</extracomment>
        <translation>%1：已存储为 %2</translation>
    </message>
    <message>
        <source>%1 of 1 picture stored in %2</source>
        <extracomment>%2 the archive, such as PACS@host:104</extracomment>
        <translation>已在 %2 存储 %1 张图片（共 1 张）</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures stored in %2</source>
        <translation>
            <numerusform>已在 %2 存储 %1 张图片（共 %n 张）</numerusform>
        </translation>
    </message>
    <message>
        <source>Worklist of %1: 1 scheduled patient</source>
        <extracomment>%1 the day, YYYYMMDD</extracomment>
        <translation>%1 的工作列表：1 位预约患者</translation>
    </message>
    <message numerus="yes">
        <source>Worklist of %1: %n scheduled patients</source>
        <translation>
            <numerusform>%1 的工作列表：%n 位预约患者</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled time</extracomment>
        <translation>时间</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <extracomment>a column heading of kavimo-records worklist</extracomment>
        <translation>患者 ID</translation>
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
        <translation>性别</translation>
    </message>
    <message>
        <source>Procedure</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled procedure</extracomment>
        <translation>检查项目</translation>
    </message>
    <message numerus="yes">
        <source>(list cut at %n entries; the archive schedules more)</source>
        <translation>
            <numerusform>（列表只列出前 %n 个条目；归档中还有更多预约）</numerusform>
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
        <translation>工作目录 %1（%2）</translation>
    </message>
    <message>
        <source>Hospital: %1</source>
        <translation>医院：%1</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>（未设置）</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number in the list</extracomment>
        <translation>序号</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>年龄</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>电话</translation>
    </message>
    <message>
        <source>Diags</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of diagnoses</extracomment>
        <translation>诊断</translation>
    </message>
    <message>
        <source>Pics</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of pictures</extracomment>
        <translation>图片</translation>
    </message>
    <message>
        <source>Details:</source>
        <extracomment>a label of kavimo-records show: the details typed for the patient</extracomment>
        <translation>详细信息：</translation>
    </message>
    <message>
        <source>none (%1 is missing)</source>
        <translation>无（缺少 %1）</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 已损坏：%2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>来自 %1</translation>
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
        <translation>电话：</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <source>Patient ID:</source>
        <translation>患者 ID：</translation>
    </message>
    <message>
        <source>Issuer:</source>
        <extracomment>the issuer of the patient&apos;s outside Patient ID</extracomment>
        <translation>签发者：</translation>
    </message>
    <message>
        <source>Worklist name:</source>
        <extracomment>the patient&apos;s name as the worklist wrote it</extracomment>
        <translation>工作列表姓名：</translation>
    </message>
    <message>
        <source>no patient %1 in %2</source>
        <translation>%2 中没有患者 %1</translation>
    </message>
    <message>
        <source>Patient %1 of %2</source>
        <translation>第 %1 位患者，共 %2 位</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>年龄：</translation>
    </message>
    <message>
        <source>Directory:</source>
        <extracomment>a label of kavimo-records show: the patient&apos;s folder</extracomment>
        <translation>目录：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>描述：</translation>
    </message>
    <message>
        <source>%1 (%2 holds %3)</source>
        <extracomment>%1 the count in the patient&apos;s record, %2 a list file, %3 the entries the file holds</extracomment>
        <translation>%1（%2 中有 %3 条）</translation>
    </message>
    <message>
        <source>Diagnoses:</source>
        <translation>诊断：</translation>
    </message>
    <message>
        <source>Teeth:</source>
        <translation>牙位：</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>[missing]</source>
        <extracomment>after a picture of kavimo-records show whose file is not there</extracomment>
        <translation>[缺失]</translation>
    </message>
    <message>
        <source>--drive-d needs a directory</source>
        <translation>--drive-d 需要指定目录</translation>
    </message>
    <message>
        <source>--data-group needs a group</source>
        <translation>--data-group 需要指定用户组</translation>
    </message>
    <message>
        <source>--pacs-issuer needs a text</source>
        <translation>--pacs-issuer 需要指定文本</translation>
    </message>
    <message>
        <source>--pacs-tls needs on or off</source>
        <translation>--pacs-tls 需要 on 或 off</translation>
    </message>
    <message>
        <source>--teeth needs FDI numbers such as 11,21</source>
        <translation>--teeth 需要 FDI 编号，如 11,21</translation>
    </message>
    <message>
        <source>--view needs a view</source>
        <translation>--view 需要指定视图</translation>
    </message>
    <message>
        <source>teeth %1</source>
        <extracomment>under a picture: %1 its teeth, FDI numbers such as 11,21</extracomment>
        <translation>牙位 %1</translation>
    </message>
    <message>
        <source>view %1</source>
        <extracomment>under a picture: %1 its view, a keyword such as frontal</extracomment>
        <translation>视图 %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view (%2)</source>
        <extracomment>%2 the view keywords, such as &quot;frontal, left-buccal, ...&quot;</extracomment>
        <translation>“%1”不是视图（%2）</translation>
    </message>
    <message>
        <source>%1 has no picture %2 in its directory (see show %1)</source>
        <extracomment>%1 the patient&apos;s UID, %2 the picture asked for; &quot;show&quot; is a command name</extracomment>
        <translation>%1 的目录中没有图片 %2（见 show %1）</translation>
    </message>
    <message>
        <source>cannot be tagged</source>
        <translation>无法标注</translation>
    </message>
    <message>
        <source>the audit trail was not written: %1</source>
        <translation>未写入审计记录：%1</translation>
    </message>
    <message>
        <source>no teeth, no view</source>
        <translation>无牙位，无视图</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 a command-line option such as --name</extracomment>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>%1 what was given on the command line</extracomment>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>多余的参数 %1</translation>
    </message>
</context>
</TS>
