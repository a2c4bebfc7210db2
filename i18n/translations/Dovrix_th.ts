<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>ไม่มีไฟล์นี้หรือไม่สามารถเข้าถึงได้</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>ไฟล์อาจเสียหายหรือไม่ใช่ PDF ที่ถูกต้อง</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>เอกสารถูกเข้ารหัส</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>ยังไม่รองรับวิธีการเข้ารหัส PDF นี้</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>เกิดปัญหาขณะเปิดเอกสาร</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>เรนเดอร์หน้า %1 ไม่สำเร็จ การส่งออกถูกยกเลิก</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>ไม่สามารถสร้างไฟล์ผลลัพธ์: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ ยึดกับข้อความ หาตำแหน่งใหม่ได้หลังจัดหน้าใหม่</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ ยึดตามสี่เหลี่ยม: ตำแหน่งอาจคลาดเคลื่อนหลังจัดหน้าใหม่</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>ไฮไลต์</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>ขีดเส้นใต้</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>ขีดฆ่า</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>โน้ต</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>สี่เหลี่ยม</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>ลูกศร</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>เสร็จ</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>ลบคำอธิบายประกอบ</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>เนื้อหาโน้ต (ไม่บังคับ ใส่ได้กับทุกประเภท)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>ยืนยันการลบคำอธิบายประกอบนี้?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>เปิดโหมดคำอธิบายประกอบแล้ว: ลากเลือกข้อความหรือลากกรอบเพื่อสร้าง คลิกรายการที่มีอยู่เพื่อแก้ไข</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>บันทึกคำอธิบายประกอบแล้ว</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>คำอธิบายประกอบถูกบันทึกในไฟล์ sidecar ในเครื่อง (.dovrixmark)
จะมองไม่เห็นเมื่อเปิดไฟล์ต้นฉบับด้วยโปรแกรมอ่านอื่น เช่น Adobe

Dovrix ไม่แก้ไข PDF ต้นฉบับเลย</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>คำอธิบายประกอบบันทึกไว้เฉพาะในไฟล์ .dovrixmark ในเครื่อง จะมองไม่เห็นเมื่อเปิดไฟล์ต้นฉบับด้วยโปรแกรมอ่านอื่น เช่น Adobe</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>หน้า %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · หน้า %2 · สี %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>ยังไม่มีคำอธิบายประกอบ เปิดโหมดคำอธิบายประกอบแล้วลากเลือกข้อความเพื่อสร้าง</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>คำอธิบายของฉัน</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>ในเอกสาร (%1 รายการ อ่านอย่างเดียว)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>คัดลอกไปยังบันทึกของฉัน</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>ไม่สามารถคัดลอกคำอธิบายประเภทนี้ไปยังบันทึกของฉันได้</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>ไม่สามารถอ่านคำอธิบายประกอบนี้ได้ทั้งหมด จึงเก็บไว้ในไฟล์คำอธิบายประกอบตามเดิมและแก้ไขไม่ได้</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>คำอธิบายประกอบที่อ่านไม่ได้</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>ไฟล์ใหญ่เกินไป</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>มีไฟล์คำอธิบายประกอบแต่อ่านไม่ได้: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>โฟลเดอร์ปัจจุบันเขียนไม่ได้ คำอธิบายประกอบจะเก็บไว้ในหน่วยความจำชั่วคราว โปรดส่งออกก่อนปิด</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>พาธที่ส่งออกตรงกับไฟล์ต้นฉบับ ยกเลิกแล้วเพื่อรักษาหลัก “ไม่เขียนไฟล์ต้นฉบับเด็ดขาด”</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>พาธที่ส่งออกตรงกับไฟล์คำอธิบายประกอบ ยกเลิกแล้ว</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>สรุปคำอธิบายประกอบ Dovrix (ทั้งหมด %1 รายการ)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— หน้า %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>ยึดกับข้อความ </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(ตำแหน่ง p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>หมายเหตุ: คำอธิบายประกอบบันทึกไว้เฉพาะในไฟล์ sidecar ในเครื่อง จะมองไม่เห็นเมื่อเปิดไฟล์ต้นฉบับด้วยโปรแกรมอ่านอื่น เช่น Adobe
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>ไฟล์คำอธิบายประกอบคือไฟล์ต้นฉบับเอง จึงจะไม่เขียนลงไป คำอธิบายประกอบจะเก็บไว้ในหน่วยความจำชั่วคราว โปรดส่งออกก่อนปิด</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>มีโฟลเดอร์อยู่ในตำแหน่งของไฟล์คำอธิบายประกอบ คำอธิบายประกอบจะเก็บไว้ในหน่วยความจำชั่วคราว โปรดส่งออกก่อนปิด</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>สำรองไฟล์คำอธิบายประกอบที่อ่านไม่ได้ไม่ได้ จึงหยุดบันทึกเพื่อไม่ให้เขียนทับ คำอธิบายประกอบจะเก็บไว้ในหน่วยความจำชั่วคราว โปรดส่งออกก่อนปิด</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>บันทึกคำอธิบายประกอบไม่สำเร็จ: %1 คำอธิบายประกอบจะเก็บไว้ในหน่วยความจำชั่วคราว โปรดส่งออกก่อนปิด</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>ชื่อไฟล์มีอักขระที่ไม่สามารถจดจำได้ จึงบันทึกไฟล์คำอธิบายประกอบไว้ข้างกันไม่ได้ คำอธิบายประกอบจะเก็บไว้ในหน่วยความจำชั่วคราว โปรดส่งออกก่อนปิด</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>ไฟล์คำอธิบายประกอบนี้เขียนโดย Dovrix รุ่นที่ใหม่กว่า เปิดแบบอ่านอย่างเดียว: การเปลี่ยนแปลงจะไม่ถูกบันทึก</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>เปลี่ยนชื่อ</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>ยังไม่มีบุ๊กมาร์ก กด Ctrl+D เพื่อบุ๊กมาร์กตำแหน่งปัจจุบัน</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>หน้า %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>เอกสารนี้ไม่มีสารบัญในตัว (บท/บุ๊กมาร์ก)
ความคืบหน้าการอ่านยังคงจดจำอัตโนมัติตามเนื้อหา</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>กล่องข้อความ</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>เส้นหยัก</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>เส้นตรง</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>วงรี</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>ภาพวาดมือ</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>รูปหลายเหลี่ยม</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>เส้นหลายส่วน</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>ตราประทับ</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>เครื่องหมายแทรก</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>หน้า %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>ไฟล์แนบ</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>การเปิดไฟล์ใช้เวลานานเกินไป</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>ไม่ทราบ</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 ไบต์)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>หลายขนาด (%1 ขนาด)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>บันทึกสำเนา…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>คุณสมบัติเอกสาร — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>คัดลอกทั้งหมด</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>ทั่วไป</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>ทุกหน้า</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>หน้า %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>แบบอักษร</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>ประเภท</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>ฝังอยู่</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>ขนาด</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>ตำแหน่ง</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>คำอธิบาย</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>ไฟล์แนบจะถูกบันทึกเป็นสำเนาเท่านั้น Dovrix จะไม่เปิดหรือเรียกใช้ไฟล์เหล่านี้</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>ไฟล์แนบ</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>ชื่อเรื่อง</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>ผู้แต่ง</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>หัวเรื่อง</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>คำสำคัญ</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>โปรแกรมที่สร้าง</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>ตัวสร้าง PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>สร้างเมื่อ</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>แก้ไขเมื่อ</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>รุ่น PDF</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>จำนวนหน้า</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>ขนาดหน้า</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>ขนาดไฟล์</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>การเข้ารหัส</translation>
    </message>
    <message>
        <source>无</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>การพิมพ์</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>การคัดลอกข้อความ</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>การแก้ไข</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>การใส่คำอธิบาย</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>การกรอกแบบฟอร์ม</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>สิทธิ์ที่ประกาศไว้</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>อนุญาต: %1
ไม่อนุญาต: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>มีแท็ก</translation>
    </message>
    <message>
        <source>是</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>否</source>
        <translation>ไม่</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>สคริปต์</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>เอกสารมี JavaScript แต่ Dovrix จะไม่เรียกใช้</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>ไฟล์แนบ (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>บันทึกสำเนาไฟล์แนบ</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>ไฟล์แนบเสียหายและอ่านไม่ได้</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>บันทึกสำเนาแล้ว:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>ไม่สามารถบันทึกไฟล์แนบ: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>เอกสารใหม่</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>ส่งออกเสร็จสิ้น</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>ส่งออกไปที่:
%1

ไฟล์ต้นฉบับไม่ถูกแก้ไข</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>ส่งออกหน้าปัจจุบันเป็น PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>รูปภาพ PNG (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>ส่งออกไม่สำเร็จ</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>เรนเดอร์หน้าไม่สำเร็จ โปรดลองอีกครั้ง</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>ส่งออกข้อความทั้งหมด (ลำดับการอ่าน)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>ไฟล์ข้อความ (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>สรุปคำอธิบายประกอบ</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>เอกสารปัจจุบันยังไม่มีคำอธิบายประกอบ</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>ส่งออกสรุปคำอธิบายประกอบ</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>ส่งออก PDF พร้อมคำอธิบายประกอบ</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>เอกสาร PDF (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>กำลังส่งออก PDF พร้อมคำอธิบายประกอบ…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>ส่งออกไปที่:
%1

ไฟล์ต้นฉบับไม่ถูกแก้ไข คำอธิบายประกอบถูกฝังในสำเนาแล้ว เปิดด้วย Adobe/WPS/เบราว์เซอร์ก็มองเห็น
(สำเนาเป็น PDF แบบแบนที่เรนเดอร์ทีละหน้า: หน้าตาเหมือนเดิม แต่เลือกข้อความไม่ได้อีก)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>กำลังพิมพ์…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>ส่ง %1 หน้าไปยังเครื่องพิมพ์แล้ว</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>เรนเดอร์หน้าไม่สำเร็จ การพิมพ์ถูกยกเลิก</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>ไม่สามารถเริ่มงานพิมพ์ได้</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>กำลังส่งออกข้อความตามลำดับการอ่าน…
หน้า %1 จาก %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>ส่งออกสำเนาแบบแบน (รูปภาพ)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>พิมพ์เป็นไฟล์ PDF</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>คำอธิบายประกอบและการปรับขนาด</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>รวมคำอธิบายประกอบ</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>พอดีกับกระดาษ</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>ขนาดจริง</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>ส่งออกไปที่:
%1

ไฟล์ต้นฉบับไม่ถูกแก้ไข คำอธิบายประกอบอยู่ในสำเนาเป็นคำอธิบายประกอบ PDF มาตรฐาน โปรแกรมอ่านอื่นก็แสดงได้ ข้อความ ลิงก์ และสารบัญยังคงอยู่</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>บริการพิมพ์ไม่รับงานนี้: %1
ไม่มีสิ่งใดสูญหาย ลองอีกครั้งหรือพิมพ์เป็นไฟล์</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>อ่านไฟล์ต้นฉบับไม่ได้: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>เขียน %1 ไม่ได้:
%2

ไม่มีไฟล์ที่ไม่สมบูรณ์หลงเหลือ ไฟล์ต้นฉบับไม่ถูกแก้ไข</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>ไม่พบบริการพิมพ์ (CUPS)
จะพิมพ์เอกสารเป็นไฟล์ PDF แทนหรือไม่?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>ช่องลายเซ็น (แสดงเท่านั้น)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>สคริปต์ของแบบฟอร์มนี้จะไม่ทำงาน: ช่องที่เอกสารจะคำนวณหรือจัดรูปแบบจะคงค่าที่คุณพิมพ์ไว้</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>ช่องลายเซ็นแสดงเท่านั้น Dovrix ไม่ลงนามเอกสาร</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>แถบด้านข้าง</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>ย้อนกลับ (ประวัติมุมมอง)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>ไปข้างหน้า (ประวัติมุมมอง)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>เปิด PDF (แต่ละเอกสารแยกแท็บ)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>พิมพ์ (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>ส่งออก</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>ส่งออกเป็นไฟล์ใหม่ (ไม่แก้ไขไฟล์ต้นฉบับ)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>หน้าปัจจุบันเป็นรูปภาพ (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>ข้อความทั้งหมด (TXT ตามลำดับการอ่าน)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>สรุปคำอธิบายประกอบ (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF พร้อมคำอธิบายประกอบ (สำเนา)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>ฝังคำอธิบายประกอบปัจจุบันลงใน PDF ใหม่ที่มองเห็นได้ใน Adobe/WPS โดยไฟล์ต้นฉบับไม่เปลี่ยนแปลง</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>คำอธิบายประกอบ</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>โหมดคำอธิบายประกอบ (A): ไฮไลต์ / ขีดเส้นใต้ / ขีดฆ่า / โน้ต / สี่เหลี่ยม / ลูกศร</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>หมุน 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>หมุนชั่วคราว 90° (เฉพาะการดูครั้งนี้)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>ค้นหาในเอกสาร · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>ธีม</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>สว่าง</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>กระดาษ</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>มืด</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>เที่ยงคืน</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>คอนทราสต์สูง</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>เปลี่ยนภาษาของอินเทอร์เฟซ</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>หน้าแรก</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>เปิดหน้าแรกของ Dovrix</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>เปิด PDF เพื่อเริ่มอ่าน Dovrix เป็นโปรแกรมดูแบบอ่านอย่างเดียว จะไม่แก้ไขไฟล์ต้นฉบับ
เปิดหลายเอกสารพร้อมกันได้ (แยกเป็นแท็บ)</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>เปิด PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>ไฟล์ล่าสุด</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>ล้างรายการล่าสุด</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>ไฟล์ต้นฉบับถูกแก้ไขจากภายนอก โหลดใหม่เพื่อแสดงเนื้อหาล่าสุด</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>โหลดใหม่</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>ละเว้น</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix โปรแกรมอ่านที่เร็วปานสายฟ้า</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>ซูมออก</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>ซูมเข้า</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>พอดีความกว้าง</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>สลับ หน้าเดียว / เลื่อนต่อเนื่อง</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>เปิด(&amp;O)…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>ปิดเอกสาร</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>แท็บถัดไป</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>พิมพ์(&amp;P)…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>โหมดส่วนตัว</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>ผลการค้นหาถัดไป</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>ผลการค้นหาก่อนหน้า</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>คัดลอกข้อความที่เลือก</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>โหมดหน้าเดียว</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>หมุนชั่วคราว 90°</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>พอดีหน้า</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>ขนาดจริง (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>โหมดคำอธิบายประกอบ</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>เปิด PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>เอกสาร PDF (*.pdf);;ไฟล์ทั้งหมด (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>เปิดไม่สำเร็จ</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>ไม่มีไฟล์นี้หรือไม่สามารถเข้าถึงได้</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● คำอธิบายประกอบไม่ตรงกับเนื้อหาเอกสารปัจจุบัน จุดยึดแบบสี่เหลี่ยมอาจคลาดเคลื่อน</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>ภาพย่อ</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>สารบัญ</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>เอกสาร</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>กำลังเปิดเอกสาร…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>รหัสผ่านไม่ถูกต้อง โปรดลองอีกครั้ง</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>เอกสารนี้ถูกเข้ารหัส</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>ป้อนรหัสผ่านเพื่อเปิด (Dovrix ไม่รองรับการเจาะหรือลบสิทธิ์):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● ไฟล์ต้นฉบับถูกแก้ไขจากภายนอก</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● อ่านอย่างเดียว: แฮชของไฟล์ต้นฉบับไม่เปลี่ยน</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix จะไม่แก้ไขไฟล์ต้นฉบับ</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● โหมดส่วนตัว: เปิด</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>โหมดส่วนตัว: ปิด</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>โหมดส่วนตัว: ไม่บันทึกลงรายการไฟล์ล่าสุดและแคชภาพย่อ</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— หน้า %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(หน้านี้เป็นภาพสแกน ไม่มีชั้นข้อความ)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(ข้อความบางส่วนในหน้านี้อาจไม่น่าเชื่อถือ)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>ไฮไลต์ (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>ขีดเส้นใต้ (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>ขีดฆ่า (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>โน้ต (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>สี่เหลี่ยม (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>ลูกศร (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>ไปที่หน้า…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>พิมพ์หมายเลขหรือป้ายชื่อหน้าแล้วกด Enter (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>กำลังทำ OCR แบบออฟไลน์…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>กำลังทำ OCR แบบออฟไลน์: เสร็จ %1/%2 หน้า เหลืออีกประมาณ %3 วินาที…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(ต่อไปนี้เป็นข้อความที่รู้จำด้วย OCR)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>เต็มหน้าจอ · กด F11 หรือ Esc เพื่อออก</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>สลับสีหน้า</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>เต็มหน้าจอ</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>แสดงสองหน้า</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>หน้าแรกแยกเดี่ยว</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>สองหน้า</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>สองหน้าเคียงกัน (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>สีหน้า</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>สีหน้า (Ctrl+Alt+N): โหมดกลางคืนกลับความสว่างและความมืดโดยคงเฉดสี</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>ปกติ</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>กลางคืน</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>ซีเปีย</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>ตามธีม</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>ชื่อไฟล์มีอักขระที่ไม่สามารถจดจำได้ โปรแกรมจึงอ่านไฟล์นี้ไม่ได้ โปรดเปลี่ยนชื่อไฟล์แล้วเปิดอีกครั้ง</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>สำเนาแบบแบน (รูปภาพ)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG พร้อมคำอธิบายประกอบของฉัน</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>คุณสมบัติเอกสาร…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>รีเซ็ตแบบฟอร์ม</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>บุ๊กมาร์ก</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>ไม่มีเว็บเบราว์เซอร์ที่เปิดหน้านี้ได้ หน้าแรกของ Dovrix: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>รู้จำข้อความ (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>หน้านี้</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>ทุกหน้าที่ไม่มีข้อความ</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>เมื่อเปิดเอกสารแล้ว ส่วนนี้จะแสดง
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>ซูม %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>ยกเลิก OCR แล้ว</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR เสร็จสิ้น: %1 หน้า</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>OCR หน้า %1 ไม่สำเร็จ: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR ใช้งานไม่ได้</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>กำลังหาหน้าที่ไม่มีข้อความ…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>ทุกหน้ามีข้อความแล้ว ไม่ต้องรู้จำ</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>หน้านี้ไม่มีชั้นข้อความ · %1 รู้จำข้อความ</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR หน้า %1 เสร็จสิ้น: รู้จำข้อความได้ %2 บรรทัด</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>เรนเดอร์หน้าไม่สำเร็จ</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>เริ่มต้นเอนจิน OCR ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>เอนจิน OCR ใช้งานไม่ได้</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>เริ่มต้น OCR ไม่สำเร็จ: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>ไม่พบโมเดลตรวจจับ: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>ไม่พบโมเดลรู้จำ: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>โมเดลรู้จำไม่มีพจนานุกรมในตัว (เมทาดาทา character)</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>onnxruntime.dll ไม่มีฟังก์ชันส่งออก OrtGetApiBase</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>เวอร์ชัน API ของ onnxruntime ไม่ตรงกัน (ต้องใช้ OrtApi v%1)</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>โหลด onnxruntime.dll ไม่ได้ จึงใช้ OCR ไม่ได้ ลองแล้ว: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>หมุนชั่วคราว %1° (เฉพาะการดูครั้งนี้)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>ไม่ได้ติดตั้งตัวสังเคราะห์เสียงพูด (เช่น ปลั๊กอิน flite ของ Qt Speech)</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>ใช้ตัวสังเคราะห์เสียงพูดไม่ได้: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>ไม่พบผลลัพธ์ หากเอกสารนี้เป็นภาพสแกน (ไม่มีชั้นข้อความ) จะค้นหาและคัดลอกได้หลังทำ OCR</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>OCR เอกสารนี้…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>พิมพ์คำค้นเพื่อเริ่มค้นหา (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>“%1”: ไม่พบ</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>กำลังค้นหา “%1”…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>“%1”: ไม่พบ</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>หน้า %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(ข้อความ OCR)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(ยังไม่ได้โหลดข้อความ)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>หน้า %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>“%1”: พบ %n รายการ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>กำลังค้นหา “%1”… ค้นแล้ว %2 จาก %3 หน้า พบแล้ว %n รายการ</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>หน้าต่าง Dovrix ที่ทำงานอยู่รับไฟล์ได้ครั้งละไม่เกิน %1 ไฟล์ ไม่ได้เปิดไฟล์ใดเลย</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — โปรแกรมดู PDF แบบอ่านอย่างเดียว: ออฟไลน์ ไม่มีการเก็บข้อมูล ไม่แก้ไขไฟล์ต้นฉบับ</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>ไฟล์ PDF ที่จะเปิด</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>รู้จำข้อความของหน้านี้ทันทีที่เปิดเอกสาร (สำหรับดีบักและการรันอัตโนมัติ)</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>เปิดที่หน้านี้: เลขหน้าเริ่มจาก 1 หรือป้ายหน้าของเอกสารเอง (เช่น iv)</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>ค้นหาข้อความนี้เมื่อเปิดแล้วไปยังผลลัพธ์แรก</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>การค้นหาไปข้างหน้าของ SyncTeX: เลื่อนไปยังตำแหน่งที่บรรทัดนี้ของต้นฉบับ TeX ถูกจัดหน้าและทำเครื่องหมายไว้ครู่หนึ่ง</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>เอนจินที่ใช้เปิดไฟล์ PDF: mupdf (ค่าเริ่มต้น) หรือ qtpdf (สำหรับการเปรียบเทียบและรายงานข้อผิดพลาด)</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>ช้า</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>ปกติ</translation>
    </message>
    <message>
        <source>快</source>
        <translation>เร็ว</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>อ่านออกเสียงเสร็จแล้ว</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>เครื่องมือ</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>บุ๊กมาร์ก การอ่านออกเสียง และ SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>บุ๊กมาร์ก</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>เพิ่มบุ๊กมาร์ก</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>เปลี่ยนชื่อบุ๊กมาร์ก</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>ลบบุ๊กมาร์ก</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>อ่านออกเสียง</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>อ่านออกเสียงจากหน้านี้</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>หยุดอ่าน</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>ความเร็ว</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>เสียง</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>คำสั่งตัวแก้ไขสำหรับการค้นหาย้อนกลับ…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>ยังไม่ได้ตั้งคำสั่งตัวแก้ไขสำหรับการค้นหาย้อนกลับ (เครื่องมือ → คำสั่งตัวแก้ไขสำหรับการค้นหาย้อนกลับ…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>ข้อมูล SyncTeX ไม่มีตำแหน่งของบรรทัด %2 ใน %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>ไม่มีไฟล์ SyncTeX อยู่ข้างเอกสารนี้ (.synctex.gz หรือ .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>ไฟล์ SyncTeX เสียหายและอ่านไม่ได้</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>ไฟล์ SyncTeX มาจากการคอมไพล์ PDF นี้ครั้งอื่น โปรดคอมไพล์ใหม่</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>ไม่มีตำแหน่งในซอร์สที่ตรงกับจุดนี้</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>ไม่สามารถเริ่มตัวแก้ไขได้: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>เปิด %1 ที่บรรทัด %2 ในตัวแก้ไขแล้ว</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>คำสั่งตัวแก้ไขสำหรับการค้นหาย้อนกลับ</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>คำสั่งที่รันเมื่อ Ctrl+คลิกบนหน้า (%f ไฟล์, %l บรรทัด, %c คอลัมน์) เช่น: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>ค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>หน้า %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>เพิ่มบุ๊กมาร์ก “%1” แล้ว</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>ชื่อบุ๊กมาร์ก:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>อ่านต่อ</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>หยุดอ่านชั่วคราว</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>ไฟล์ SyncTeX เมื่อแตกออกมีขนาดเกิน %1 MB จึงถูกปฏิเสธโดยไม่อ่าน</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>ไฟล์ SyncTeX ทำให้โปรแกรมอ่านขัดข้องหรือใช้หน่วยความจำจนหมด จึงถูกปฏิเสธ</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>การอ่านไฟล์ SyncTeX ใช้เวลานานเกินไป จึงถูกปฏิเสธ</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>ชื่อไฟล์ต้นฉบับในไฟล์ SyncTeX มีตัวขึ้นบรรทัดใหม่หรืออักขระ NUL จึงไม่ได้ส่งให้โปรแกรมแก้ไข</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>มีอักขระที่แมปไม่ได้ (อาจไม่มีตาราง ToUnicode)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>ระยะห่างระหว่างคำอนุมานจากตำแหน่ง ข้อความอาจขาดเป็นช่วง ๆ</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>พื้นที่หัวกระดาษ/ท้ายกระดาษ</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>คัดลอกแล้ว %1 อักขระ</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>ขนาดเดิม</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>พอดีความกว้าง</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>ต่อเนื่อง</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>หน้าเดียว</translation>
    </message>
</context>
</TS>
